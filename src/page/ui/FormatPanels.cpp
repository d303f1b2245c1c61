#include "page/ui/FormatPanels.h"

#include "common/Rounding.h"
#include "common/ScreenPixels.h"
#include "page/EditPanelRules.h"
#include "page/EditorTexts.h"
#include "page/FormatTexts.h"
#include "page/PanelPlacement.h"
#include "page/ui/AddBarcodePanel.h"
#include "page/ui/BarcodeItemWidget.h"
#include "page/ui/FormatRecordPanel.h"
#include "page/ui/HintFilter.h"
#include "page/ui/LayoutPanel.h"
#include "page/ui/PageEditor.h"
#include "page/ui/PageWidget.h"
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

FormatPanels::FormatPanels(PageEditor& editor, QWidget* panelParent, QObject* parent)
    : QObject(parent), editor_(editor),
      browser_(editor.services().files, editor.services().location.recordsFolder()),
      saver_(editor.services().files, editor.services().location.recordsFolder()),
      layouts_(editor.services().files, editor.services().location.recordsFolder()),
      recordPanel_(new FormatRecordPanel(panelParent)),
      savePanel_(new SaveFormatPanel(panelParent)), layoutPanel_(new LayoutPanel(panelParent)),
      hints_(new HintFilter(editor.services().hint, this)) {
    browser_.setNoticeRequest([this](int n) { notice(n); });
    layouts_.setNoticeRequest([this](int n) { notice(n); });
    connectPanels();
}

FormatPanels::~FormatPanels() = default;

void FormatPanels::notice(int number) {
    emit noticeRequested(number);
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
            [this] { editor_.closePanel(FloatingPanel::FormatRecord); });

    connect(savePanel_, &SaveFormatPanel::saveRequested, this, &FormatPanels::saveFormat);
    connect(savePanel_->closeButton(), &SkinButton::clicked, this,
            [this] { editor_.closePanel(FloatingPanel::SaveFormat); });

    connect(layoutPanel_, &LayoutPanel::layoutChosen, this, &FormatPanels::chooseLayout);
    connect(layoutPanel_, &LayoutPanel::saveRequested, this, &FormatPanels::saveLayout);
    connect(layoutPanel_, &LayoutPanel::takeRequested, this, &FormatPanels::takeLayout);
    connect(layoutPanel_, &LayoutPanel::deleteRequested, this, &FormatPanels::deleteLayout);

    for (SkinButton* close : {record->closeButton(), savePanel_->closeButton()})
        hints_->attach(close, [] { return EditPanelRules::closeButtonHint(); });
}

// ---------------------------------------------------------------- barcode formats

std::optional<QSizeF> FormatPanels::previewSize() const {
    const ItemTable& items = editor_.model().items();
    if (!browser_.previewShown() || !items.exists(ItemTable::previewItem))
        return std::nullopt;
    const BarcodeItem& preview = items.at(ItemTable::previewItem);
    return QSizeF(preview.width, preview.height);
}

void FormatPanels::showBrowser() {
    for (const UserMessage& message : browser_.takeMessages())
        tell(editor_.services().messages, message);
    recordPanel_->showState(browser_, previewSize());
    if (!recordPanel_->isVisible())
        return;
    // The panel changes its size with the preview: the simple layout stacks its panels anew.
    if (editor_.model().page().isSimpleLayout())
        editor_.stackPanels();
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
        if (BarcodeItemWidget* preview = editor_.showPreviewItem(recordPanel_->previewArea()))
            preview->show();
    }
    showBrowser();
}

void FormatPanels::takeFormat() {
    const ItemTable& items = editor_.model().items();
    if (editor_.formatMemory().count() == 0)
        return;
    if (browser_.takeMode() == FormatBrowser::TakeMode::Apply) {
        if (items.exists(targetItem_)) {
            editor_.document().applyFormat(targetItem_, editor_.formatMemory().records());
            if (editor_.model().page().isSimpleLayout())
                emit simpleLayoutRequested();
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
    if (browser_.chosenName().isEmpty())
        return;
    if (!editor_.services().messages.confirm(FormatTexts::deleteTitle(), browser_.deleteQuestion(),
                                             MessageIcon::Warning))
        return;
    browser_.deleteChosen();
    showBrowser();
}

void FormatPanels::openSaveFormatPanel(int item) {
    const ItemTable& items = editor_.model().items();
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
    if (editor_.model().page().isSimpleLayout())
        editor_.stackPanels();
    savePanel_->categoryBox()->setFocus();
}

bool FormatPanels::saveFormat() {
    const FormatSaver::Names names =
        FormatSaver::clean(savePanel_->categoryText(), savePanel_->nameText());
    savePanel_->setTexts(names.category, names.name);
    if (const std::optional<UserMessage> refused = FormatSaver::refusal(names)) {
        tell(editor_.services().messages, *refused);
        return false;
    }
    const int index = savePanel_->itemIndex();
    if (!editor_.model().items().exists(index)) {
        savePanel_->hide();
        return false;
    }
    // Saving names the item by its format; that is no edit of the page to take back.
    editor_.model().setItemIdentity(index, names.category, names.name);
    editor_.captureFormat(index);
    if (const std::optional<UserMessage> failed =
            saver_.store(names, editor_.formatMemory().records())) {
        tell(editor_.services().messages, *failed);
        return false;
    }
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
    editor_.closePanels();
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
    if (const std::optional<UserMessage> refused = LayoutLibrary::nameRefusal(name)) {
        tell(editor_.services().messages, *refused);
        box->setFocus();
        return false;
    }
    const LayoutLibrary::Saved saved = layouts_.save(name, captureLayout());
    if (saved.message)
        tell(editor_.services().messages, *saved.message);
    if (saved.outcome == LayoutLibrary::SaveOutcome::TooFew)
        layoutPanel_->hide();
    showLayouts();
    return saved.outcome == LayoutLibrary::SaveOutcome::Saved;
}

int FormatPanels::takeLayout() {
    if (!layouts_.commandsShown())
        return 0;
    layoutPanel_->hide();
    const LayoutLibrary::Read read = layouts_.readChosen();
    if (read.message)
        tell(editor_.services().messages, *read.message);
    const std::optional<Layout>& layout = read.layout;
    if (!layout)
        return 0;
    // An item without a stored place goes where add copies would put it: the add-barcode
    // panel's corner over the page.
    const QPointF panel = screen::twipsOf(editor_.addPanel()->pos());
    const QPointF origin = editor_.pageOrigin();
    const PageDocument::LayoutTaken taken =
        editor_.document().takeLayout(*layout, QPointF(roundHalfEven(panel.x() - origin.x()),
                                                       roundHalfEven(panel.y() - origin.y())));
    if (!taken.indexes.isEmpty())
        editor_.model().currentItem = std::int16_t(taken.indexes.last());
    if (taken.pageFull)
        editor_.services().messages.warn(EditorTexts::pageFullTitle(), EditorTexts::pageFullText());
    return int(taken.indexes.size());
}

Layout FormatPanels::captureLayout() {
    // Each item goes through the format memory, as a layout save does: its captions are cleaned
    // on the page, and the memory holds the last item afterwards.
    Layout layout;
    for (int k : editor_.model().pageItems()) {
        editor_.captureFormat(k);
        const BarcodeItem& item = editor_.model().items().at(k);
        layout.items.append({QPointF(item.left, item.top), editor_.formatMemory().records()});
    }
    return layout;
}

void FormatPanels::deleteLayout() {
    if (!layouts_.commandsShown())
        return;
    MessageBoxes& boxes = editor_.services().messages;
    const UserMessage question = layouts_.deleteQuestion();
    if (boxes.confirm(question.title, question.text, question.icon)) {
        if (const std::optional<UserMessage> failed = layouts_.deleteChosen())
            tell(boxes, *failed);
    }
    showLayouts();
}

} // namespace brevmark
