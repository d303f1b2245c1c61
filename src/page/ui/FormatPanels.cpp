#include "page/ui/FormatPanels.h"

#include "common/ScreenPixels.h"
#include "page/ui/AddBarcodePanel.h"
#include "page/ui/BarcodeItemWidget.h"
#include "page/EditPanelRules.h"
#include "page/ui/EditorHost.h"
#include "page/EditorTexts.h"
#include "page/ui/FormatRecordPanel.h"
#include "page/FormatTexts.h"
#include "page/ui/HintFilter.h"
#include "page/ui/LayoutPanel.h"
#include "page/ui/PageEditor.h"
#include "page/ui/PageLayouts.h"
#include "page/ui/PageWidget.h"
#include "page/PanelPlacement.h"
#include "page/ui/SaveFormatPanel.h"
#include "page/ui/SkinButton.h"
#include "page/ui/SymbolHandleWidget.h"
#include "platform/MessageBoxes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace brevmark {

namespace {
// Moves a panel to a point of its parent, kept inside the parent where it fits.
void placeInside(QWidget* panel, QPoint topLeft) {
    const QWidget* parent = panel->parentWidget();
    const int x = qMax(0, qMin(topLeft.x(), parent->width() - panel->width()));
    const int y = qMax(0, qMin(topLeft.y(), parent->height() - panel->height()));
    panel->move(x, y);
}
} // namespace

FormatPanels::FormatPanels(PageEditor& editor, EditorHost& host, QWidget* panelParent,
                           Services services, QObject* parent)
    : QObject(parent), editor_(editor), host_(host), services_(std::move(services)),
      browser_(services_.files, host.messages(), services_.recordsFolder),
      saver_(services_.files, host.messages(), services_.recordsFolder),
      layouts_(services_.files, host.messages(), services_.recordsFolder),
      recordPanel_(new FormatRecordPanel(panelParent)),
      savePanel_(new SaveFormatPanel(panelParent)), layoutPanel_(new LayoutPanel(panelParent)),
      hints_(new HintFilter([this](const QString& text) { host_.setHint(text); }, this)) {
    browser_.setNoticeRequest([this](int n) { notice(n); });
    layouts_.setNoticeRequest([this](int n) { notice(n); });
    connectPanels();
}

FormatPanels::~FormatPanels() = default;

void FormatPanels::notice(int number) {
    if (services_.requestNotice)
        services_.requestNotice(number);
}

void FormatPanels::connectPanels() {
    FormatRecordPanel* record = recordPanel_;
    connect(record, &FormatRecordPanel::categoryChosen, this, &FormatPanels::chooseCategory);
    connect(record, &FormatRecordPanel::prefixEdited, this, &FormatPanels::filterNames);
    connect(record, &FormatRecordPanel::nameChosen, this, &FormatPanels::previewFormat);
    connect(record, &FormatRecordPanel::nameDoubleClicked, this, [this](const QString& name) {
        // The first click of the double click has previewed it already.
        if (browser_.chosenName() != name)
            previewFormat(name);
        takeFormat();
    });
    connect(record->takeButton(), &SkinButton::clicked, this, &FormatPanels::takeFormat);
    connect(record->deleteButton(), &SkinButton::clicked, this, &FormatPanels::deleteFormat);
    connect(record->closeButton(), &SkinButton::clicked, this,
            [this] { host_.closePanelButton(4); });

    connect(savePanel_, &SaveFormatPanel::saveRequested, this, &FormatPanels::saveFormat);
    connect(savePanel_->closeButton(), &SkinButton::clicked, this,
            [this] { host_.closePanelButton(5); });

    connect(layoutPanel_, &LayoutPanel::layoutChosen, this, &FormatPanels::chooseLayout);
    connect(layoutPanel_, &LayoutPanel::saveRequested, this, &FormatPanels::saveLayout);
    connect(layoutPanel_, &LayoutPanel::takeRequested, this, &FormatPanels::takeLayout);
    connect(layoutPanel_, &LayoutPanel::deleteRequested, this, &FormatPanels::deleteLayout);

    for (SkinButton* close : {record->closeButton(), savePanel_->closeButton()})
        hints_->attach(close, [] { return EditPanelRules::closeButtonHint(); });
}

// ---------------------------------------------------------------- barcode formats

std::optional<QSizeF> FormatPanels::previewSize() const {
    const ItemTable& items = editor_.model().items;
    if (!browser_.previewShown() || !items.exists(ItemTable::previewItem))
        return std::nullopt;
    const BarcodeItem& preview = items.at(ItemTable::previewItem);
    return QSizeF(preview.width, preview.height);
}

void FormatPanels::showBrowser() {
    recordPanel_->showState(browser_, previewSize());
    if (!recordPanel_->isVisible())
        return;
    // The panel changes its size with the preview: the simple layout stacks its panels anew.
    if (editor_.model().page.isSimpleLayout())
        host_.stackPanels();
    else
        placeInside(recordPanel_, recordPanel_->pos());
}

void FormatPanels::listCategories() {
    browser_.listCategories();
    savePanel_->setCategories(browser_.categories());
    showBrowser();
}

void FormatPanels::openFormatRecordPanel(QPointF topLeft, FormatBrowser::TakeMode mode,
                                         int targetItem) {
    browser_.setTakeMode(mode);
    targetItem_ = targetItem;
    recordPanel_->show();
    placeInside(recordPanel_, screen::point(topLeft));
    recordPanel_->raise();
    listCategories();
}

void FormatPanels::chooseCategory(const QString& category) {
    browser_.chooseCategory(category);
    showBrowser();
}

void FormatPanels::filterNames(const QString& prefix) {
    browser_.filterNames(prefix);
    showBrowser();
}

void FormatPanels::previewFormat(const QString& name) {
    const std::optional<QList<FormatRecord>> records = browser_.preview(name);
    if (records) {
        editor_.formatMemory().setRecords(*records);
        BarcodeItemWidget* preview = editor_.createPreviewItem(recordPanel_->previewArea());
        if (!records->isEmpty()) {
            editor_.applyFormat(ItemTable::previewItem);
            editor_.redrawItem(ItemTable::previewItem);
        }
        // The preview is not edited: no handle to drag its symbol by.
        preview->symbolHandle()->hide();
        preview->show();
    }
    showBrowser();
}

void FormatPanels::takeFormat() {
    ItemTable& items = editor_.model().items;
    if (editor_.formatMemory().count() == 0)
        return;
    if (browser_.takeMode() == FormatBrowser::TakeMode::Apply) {
        if (items.exists(targetItem_)) {
            editor_.deleteAllTags(targetItem_);
            editor_.applyFormat(targetItem_);
            editor_.redrawItem(targetItem_);
            if (editor_.model().page.isSimpleLayout() && services_.relayoutSimple)
                services_.relayoutSimple();
        }
        recordPanel_->hide();
        return;
    }
    editor_.addCopies();
    // The next copies go below the ones just made: the add-barcode panel, whose corner they are
    // placed at, moves down by one item and 60 twips, and this panel with it.
    const int current = editor_.model().currentItem;
    const double step = (items.exists(current) ? items.at(current).height : 0) + 60;
    AddBarcodePanel* add = editor_.addPanel();
    add->move(add->x(), add->y() + screen::pixels(step));
    placeInside(recordPanel_, QPoint(recordPanel_->x(), add->y()));
}

void FormatPanels::deleteFormat() {
    browser_.deleteChosen();
    showBrowser();
}

void FormatPanels::openSaveFormatPanel(int item) {
    const ItemTable& items = editor_.model().items;
    if (!items.exists(item))
        return;
    listCategories();
    savePanel_->setItemIndex(item);
    const BarcodeItem& barcode = items.at(item);
    savePanel_->setTexts(barcode.category, barcode.name);
    savePanel_->show();
    placeInside(savePanel_,
                screen::point(PanelPlacement::belowItem(barcode.rect(), editor_.pageOrigin())));
    savePanel_->raise();
    if (editor_.model().page.isSimpleLayout())
        host_.stackPanels();
    savePanel_->categoryBox()->setFocus();
}

bool FormatPanels::saveFormat() {
    const FormatSaver::Names names =
        FormatSaver::clean(savePanel_->categoryText(), savePanel_->nameText());
    savePanel_->setTexts(names.category, names.name);
    if (!saver_.accepts(names))
        return false;
    const int index = savePanel_->itemIndex();
    ItemTable& items = editor_.model().items;
    if (!items.exists(index)) {
        savePanel_->hide();
        return false;
    }
    items.at(index).category = names.category;
    items.at(index).name = names.name;
    editor_.captureFormat(index);
    if (!saver_.store(names, editor_.formatMemory().records()))
        return false;
    savePanel_->hide();
    notice(FormatTexts::recordedNotice);
    return true;
}

// ---------------------------------------------------------------- layouts

void FormatPanels::showLayouts() {
    int chosen = -1;
    if (layouts_.commandsShown())
        chosen = int(layouts_.names().indexOf(layouts_.chosenName()));
    layoutPanel_->showLayouts(layouts_.names(), chosen);
}

void FormatPanels::openLayoutPanel(double buttonLeftTwips) {
    host_.closePanels();
    listLayouts();
    layoutPanel_->open(screen::point({buttonLeftTwips - 360, 600}));
}

void FormatPanels::listLayouts() {
    layouts_.listLayouts();
    showLayouts();
}

void FormatPanels::chooseLayout(int row) {
    layouts_.choose(row);
    showLayouts();
}

bool FormatPanels::saveLayout() {
    QLineEdit* box = layoutPanel_->nameBox();
    const QString name = LayoutLibrary::cleanName(box->text());
    box->setText(name);
    if (!layouts_.acceptsName(name)) {
        box->setFocus();
        return false;
    }
    const LayoutLibrary::SaveOutcome outcome = layouts_.save(name, PageLayouts::capture(editor_));
    if (outcome == LayoutLibrary::SaveOutcome::TooFew)
        layoutPanel_->hide();
    showLayouts();
    return outcome == LayoutLibrary::SaveOutcome::Saved;
}

int FormatPanels::takeLayout() {
    if (!layouts_.commandsShown())
        return 0;
    layoutPanel_->hide();
    const std::optional<Layout> layout = layouts_.readChosen();
    if (!layout)
        return 0;
    ItemTable& items = editor_.model().items;
    int added = 0;
    // Many items appear at once: the page shows them together when all are in place.
    QWidget* page = editor_.pageWidget();
    const bool pageShown = page->isVisible();
    page->hide();
    for (const LayoutItem& stored : layout->items) {
        if (!items.freeIndex()) {
            host_.messages().warn(EditorTexts::pageFullTitle(), EditorTexts::pageFullText());
            break;
        }
        editor_.formatMemory().setRecords(stored.records);
        const int wanted = editor_.addPanel()->copyCount();
        const int made = editor_.addCopies();
        added += made;
        const int current = editor_.model().currentItem;
        if (made > 0 && stored.position && items.exists(current)) {
            BarcodeItem& item = items.at(current);
            item.left = float(stored.position->x());
            item.top = float(stored.position->y());
            // Only the place changes: the item was drawn a moment ago.
            if (BarcodeItemWidget* widget = editor_.itemWidget(current))
                widget->setRectTwips(item.rect());
        }
        // Add copies has told the user that the page is full.
        if (made < wanted && !items.freeIndex())
            break;
    }
    page->setVisible(pageShown);
    return added;
}

void FormatPanels::deleteLayout() {
    layouts_.deleteChosen();
    showLayouts();
}

} // namespace brevmark
