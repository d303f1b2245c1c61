#include "page/ui/PageEditor.h"

#include "common/Rounding.h"
#include "common/ScreenPixels.h"
#include "common/Twips.h"
#include "page/ArrangementSetting.h"
#include "page/CopyPlacement.h"
#include "page/EditPanelRules.h"
#include "page/EditorTexts.h"
#include "page/HistoryTexts.h"
#include "page/PanelPlacement.h"
#include "page/TagTexts.h"
#include "page/ui/AddBarcodePanel.h"
#include "page/ui/ArrangementPanel.h"
#include "page/ui/BarcodeEditPanel.h"
#include "page/ui/BarcodeItemWidget.h"
#include "page/ui/ColourPalette.h"
#include "page/ui/FormatPanels.h"
#include "page/ui/GuideWidget.h"
#include "page/ui/HintFilter.h"
#include "page/ui/ItemMenu.h"
#include "page/ui/NumberBox.h"
#include "page/ui/PageWidget.h"
#include "page/ui/PaperPanel.h"
#include "page/ui/PaperPicture.h"
#include "page/ui/PrintQuantityPanel.h"
#include "page/ui/SkinButton.h"
#include "page/ui/SymbolHandleWidget.h"
#include "page/ui/TagEditor.h"
#include "page/ui/TextBoxUndo.h"
#include "page/ui/TextLabelPanel.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/SystemServices.h"
#include "print/PrintSettings.h"
#include "records/BarcodeRecordFile.h"
#include "records/FormatRecordFile.h"
#include "symbology/BarcodeEntry.h"
#include "symbology/BarcodeRedraw.h"
#include "symbology/SerialStep.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QWidget>

namespace brevmark {

namespace {
// The panels that show one item and go when it scrolls away or is deleted.
constexpr std::initializer_list<FloatingPanel> itemPanels{
    FloatingPanel::SaveFormat, FloatingPanel::BarcodeEdit, FloatingPanel::TextLabel,
    FloatingPanel::FormatRecord};
} // namespace

PageEditor::PageEditor(QWidget* viewport, QWidget* panelParent, EditorServices services,
                       QObject* parent)
    : QObject(parent), viewport_(viewport), panelParent_(panelParent), panels_(panelParent),
      services_(std::move(services)), document_(new PageDocument(this)),
      pageWidget_(new PageWidget(viewport)),
      selectionFrame_(new GuideWidget(GuideWidget::Kind::SelectionFrame, pageWidget_)),
      matchLine_(new GuideWidget(GuideWidget::Kind::MatchLine, pageWidget_)),
      verticalBar_(new QScrollBar(Qt::Vertical, viewport)),
      horizontalBar_(new QScrollBar(Qt::Horizontal, viewport)),
      editPanel_(new BarcodeEditPanel(panelParent)), paperPanel_(new PaperPanel(panelParent)),
      addPanel_(new AddBarcodePanel(panelParent)), palette_(new ColourPalette(panelParent)),
      hints_(new HintFilter([this](const QString& text) { hint(text); }, this)),
      menu_(new ItemMenu(panelParent)), arrangementPanel_(new ArrangementPanel(panelParent)),
      quantityPanel_(new PrintQuantityPanel(panelParent)), widgets_(1000) {
    setObjectName(QStringLiteral("頁面編輯"));
    tags_ = new TagEditor(*this, panelParent, palette_, hints_);
    formats_ = new FormatPanels(*this, panelParent, this);
    connect(formats_, &FormatPanels::noticeRequested, this, &PageEditor::noticeRequested);
    connect(formats_, &FormatPanels::simpleLayoutRequested, this,
            &PageEditor::simpleLayoutRequested);

    const PageModel& pageModel = model();
    connect(&pageModel, &PageModel::itemsInserted, this, &PageEditor::followInsertedItems);
    connect(&pageModel, &PageModel::itemsRemoved, this, &PageEditor::followRemovedItems);
    connect(&pageModel, &PageModel::itemChanged, this, &PageEditor::followItem);
    connect(&pageModel, &PageModel::paperChanged, this, &PageEditor::followPaper);
    connect(&pageModel, &PageModel::pagePlaced, this, &PageEditor::syncPage);

    // The page is reached by panning; the scroll bars only matter until the first paper adjust.
    verticalBar_->setObjectName(QStringLiteral("捲軸上下"));
    horizontalBar_->setObjectName(QStringLiteral("捲軸左右"));
    verticalBar_->hide();
    horizontalBar_->hide();
    connect(verticalBar_, &QScrollBar::valueChanged, this, [this](int v) {
        panels_.hide(itemPanels);
        model().setPageTopLeft({model().page().left, LabelPage::scrolledPosition(v)});
    });
    connect(horizontalBar_, &QScrollBar::valueChanged, this, [this](int h) {
        panels_.hide(itemPanels);
        model().setPageTopLeft({LabelPage::scrolledPosition(h), model().page().top});
    });

    connect(pageWidget_, &PageWidget::pressed, this, &PageEditor::pagePress);
    connect(pageWidget_, &PageWidget::moved, this, &PageEditor::pageDrag);
    connect(pageWidget_, &PageWidget::released, this, &PageEditor::pageRelease);

    // Item 0, the simple layout's single item, always exists and stays out of every page loop.
    model().insertItems(
        {{ItemTable::simpleItem, BarcodeItem::blank({0, 0}, isLabelPrinter()), {}, {}}});
    itemWidget(ItemTable::simpleItem)->hide();

    connectEditPanel();
    connectPaperPanel();
    connect(addPanel_, &AddBarcodePanel::addBlankRequested, this, [this] { addBlankItem(); });
    connect(addPanel_, &AddBarcodePanel::addCopiesRequested, this, [this] { addCopies(); });
    connect(menu_, &ItemMenu::chosen, this, &PageEditor::chooseMenuEntry);
    connect(menu_, &ItemMenu::hintRequested, this, [this](const QString& t) { hint(t); });
    connectLayoutPanels();
    connect(addPanel_, &AddBarcodePanel::addFromRecordRequested, this, [this] {
        const QPointF at = screen::twipsOf(addPanel_->pos());
        addPanel_->hide();
        formats_->openFormatRecordPanel(at, FormatBrowser::TakeMode::Add, 0);
    });
    attachHints();
    createHistoryActions();
    syncPage();
    // Escape, wherever the focus is in the window, closes the floating panel in front.
    panelParent_->installEventFilter(this);
}

PageEditor::~PageEditor() = default;

bool PageEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == panelParent_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        closeFrontPanel();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void PageEditor::hint(const QString& text) const {
    if (services_.hint)
        services_.hint(text);
}

bool PageEditor::isLabelPrinter() const {
    return services_.printing.isLabelPrinter();
}

bool PageEditor::recordFileExists() const {
    return services_.files.fileExists(
        services_.location.recordsFile(BarcodeRecordFile::fileName()));
}

bool PageEditor::formatRecordFileExists() const {
    return services_.files.fileExists(services_.location.recordsFile(FormatRecordFile::fileName()));
}

// ---------------------------------------------------------------- the page history

void PageEditor::createHistoryActions() {
    // Window-wide keys: whatever part of the page or its panels has the focus. Text boxes act on
    // their own text first (TextBoxUndo).
    undoAction_ = new QAction(QStringLiteral("復原"), panelParent_);
    undoAction_->setObjectName(QStringLiteral("復原"));
    undoAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redoAction_ = new QAction(QStringLiteral("重做"), panelParent_);
    redoAction_->setObjectName(QStringLiteral("重做"));
    redoAction_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QAction* action : {undoAction_, redoAction_}) {
        action->setShortcutContext(Qt::WindowShortcut);
        panelParent_->addAction(action);
    }
    connect(undoAction_, &QAction::triggered, this, &PageEditor::undo);
    connect(redoAction_, &QAction::triggered, this, &PageEditor::redo);
    textBoxUndo_ = new TextBoxUndo(panelParent_, this);
    textBoxUndo_->addPageBox(editPanel_->entry());
    textBoxUndo_->addPageBox(tags_->labelPanel()->captionBox());
}

void PageEditor::undo() {
    QUndoStack& history = document_->history();
    if (!history.canUndo()) {
        hint(HistoryTexts::nothingToUndo());
        return;
    }
    const QString step = history.undoText();
    history.undo();
    hint(HistoryTexts::undone(step));
}

void PageEditor::redo() {
    QUndoStack& history = document_->history();
    if (!history.canRedo()) {
        hint(HistoryTexts::nothingToRedo());
        return;
    }
    const QString step = history.redoText();
    history.redo();
    hint(HistoryTexts::redone(step));
}

// ---------------------------------------------------------------- following the page model

void PageEditor::followInsertedItems(const QList<int>& indexes) {
    for (int index : indexes) {
        BarcodeItemWidget* created = nullptr;
        if (!itemWidget(index)) {
            QWidget* parent = index == ItemTable::previewItem ? previewArea_.data() : pageWidget_;
            if (!parent)
                continue;
            created = createItemWidget(index, parent);
        }
        redrawItem(index);
        tags_->syncTags(index);
        if (created)
            created->show(); // in place and drawn before it first shows
    }
}

void PageEditor::followRemovedItems(const QList<int>& indexes) {
    for (int index : indexes) {
        tags_->dropTags(index);
        removeItemWidget(index);
        // A panel that edits an item that is gone would edit nothing.
        if (index == model().editedItem) {
            editPanel_->hide();
            palette_->hide();
        }
        if (index == menu_->itemIndex())
            menu_->hide();
    }
    selectionFrame_->hide();
    matchLine_->hide();
}

void PageEditor::followItem(int index, ItemAspects what) {
    if (!itemWidget(index))
        return;
    if (what & (ItemAspect::Size | ItemAspect::Symbol)) {
        redrawItem(index);
    } else {
        syncItemWidget(index);
    }
    if (what & ItemAspect::Tags)
        tags_->syncTags(index);
    else if (what & ItemAspect::Size)
        tags_->followItemSize(index);
    if (index == model().editedItem && editPanel_->isVisible() &&
        (what & (ItemAspect::Symbol | ItemAspect::Frame)))
        editPanel_->showItem(index, model().items().at(index));
    // The simple layout's page is the size of its only item.
    if (index == ItemTable::simpleItem && (what & ItemAspect::Size) &&
        model().page().isSimpleLayout()) {
        const BarcodeItem& only = model().items().at(ItemTable::simpleItem);
        setPageRect(QRectF(120, 120, only.width, only.height));
    }
}

void PageEditor::followPaper() {
    paperPanel_->showState(model().page().paperSize, model().page().landscape());
    if (model().page().isProfessionalLayout())
        paperAdjust();
}

// ---------------------------------------------------------------- geometry helpers

QPointF PageEditor::viewportOrigin() const {
    if (panelParent_->isAncestorOf(viewport_))
        return screen::twipsOf(viewport_->mapTo(panelParent_, QPoint(0, 0)));
    return screen::twipsOf(viewport_->mapToGlobal(QPoint(0, 0)) -
                           panelParent_->mapToGlobal(QPoint(0, 0)));
}

QPointF PageEditor::pageOrigin() const {
    return viewportOrigin() + QPointF(model().page().left, model().page().top);
}

void PageEditor::syncPage() {
    const LabelPage& page = model().page();
    pageWidget_->setGeometry(screen::pixels(page.left), screen::pixels(page.top),
                             qMax(1, screen::pixels(page.width)),
                             qMax(1, screen::pixels(page.height)));
}

DrawingSurface& PageEditor::overlay() {
    return pageWidget_->overlay();
}

BarcodeItemWidget* PageEditor::itemWidget(int index) const {
    if (index < 0 || index >= int(widgets_.size()))
        return nullptr;
    return widgets_[std::size_t(index)].data();
}

// ---------------------------------------------------------------- paper

void PageEditor::paperAdjust() {
    pageWidget_->hide();
    model().adjustPage(QSizeF(viewport_->size()) * twips::perPixel);
    pageWidget_->paintPaper(QSizeF(model().page().width, model().page().height));
    verticalBar_->hide();
    horizontalBar_->hide();
    emit paperAdjusted();
    pageWidget_->show();
}

void PageEditor::selectPaperSize(PaperSize paper) {
    document_->choosePaper(paper);
    paperPanel_->showState(model().page().paperSize, model().page().landscape());
    paperAdjust();
}

void PageEditor::setOrientation(int index) {
    document_->chooseOrientation(index);
    hint(EditorTexts::orientationHint(model().page().landscape()));
    paperPanel_->showState(model().page().paperSize, model().page().landscape());
    paperAdjust();
}

void PageEditor::openPaperPanel(double buttonLeftTwips) {
    closePanels();
    paperPanel_->showState(model().page().paperSize, model().page().landscape());
    paperPanel_->open(screen::point(PanelPlacement::paperPanel(buttonLeftTwips)));
}

void PageEditor::connectPaperPanel() {
    connect(paperPanel_, &PaperPanel::paperChosen, this, &PageEditor::selectPaperSize);
    connect(paperPanel_, &PaperPanel::orientationChosen, this, &PageEditor::setOrientation);
}

// ---------------------------------------------------------------- layouts of the main window

void PageEditor::setLayoutMode(LayoutMode mode) {
    model().setLayoutMode(mode);
    if (mode != LayoutMode::None)
        tags_->labelPanel()->setSimpleLook(mode == LayoutMode::Simple);
}

void PageEditor::enterSimpleLayout(double viewportTop) {
    openItem(ItemTable::simpleItem);
    showSimpleItemAtOrigin();
    const BarcodeItem& item0 = model().items().at(ItemTable::simpleItem);
    pageWidget_->setBorder(false);
    setPageRect(QRectF(120, 120, item0.width, item0.height));
    pageWidget_->show();
    pageWidget_->raise();
    editPanel_->move(screen::pixels(255), screen::pixels(viewportTop + item0.height + 240));
    editPanel_->show();
    editPanel_->raise();
    quantityPanel_->move(screen::pixels(255),
                         editPanel_->y() + editPanel_->height() + screen::pixels(120));
    quantityPanel_->show();
    quantityPanel_->raise();
}

void PageEditor::enterProfessionalLayout() {
    if (BarcodeItemWidget* w = itemWidget(ItemTable::simpleItem))
        w->hide();
    pageWidget_->setBorder(true);
}

void PageEditor::hidePage() {
    pageWidget_->hide();
}

void PageEditor::setPageRect(const QRectF& r) {
    model().setPageRect(r);
    pageWidget_->paintPaper(r.size());
}

void PageEditor::showSimpleItemAtOrigin() {
    // Item 0 never moves and its widget follows the model even while hidden: showing it is all.
    if (BarcodeItemWidget* w = itemWidget(ItemTable::simpleItem)) {
        w->show();
        w->raise();
    }
}

void PageEditor::setSimpleItemVisible(bool visible) {
    BarcodeItemWidget* item0 = itemWidget(ItemTable::simpleItem);
    if (!item0)
        return;
    if (visible)
        showSimpleItemAtOrigin();
    else
        item0->hide();
}

void PageEditor::refocusBarcodeEntry() {
    editPanel_->show();
    QLineEdit* entry = editPanel_->entry();
    entry->setFocus();
    entry->selectAll();
    stackPanels();
}

// ---------------------------------------------------------------- panels

void PageEditor::closePanels() {
    panels_.closeAll();
}

void PageEditor::stackPanels() {
    panels_.stack(pageOrigin().y() + model().page().height + 120);
}

void PageEditor::closePanel(FloatingPanel panel) {
    if (model().page().isSimpleLayout()) {
        panels_.hide(panel);
        stackPanels();
    } else if (model().page().isProfessionalLayout()) {
        closePanels();
    }
}

void PageEditor::closeFrontPanel() {
    // The small panels that float over the others go first, one at a time.
    for (QWidget* small : {static_cast<QWidget*>(palette_), static_cast<QWidget*>(menu_),
                           static_cast<QWidget*>(addPanel_)}) {
        if (small->isVisible()) {
            small->hide();
            return;
        }
    }
    if (model().page().isProfessionalLayout()) {
        closePanels();
        return;
    }
    // The simple layout keeps its edit and print quantity panels; another panel holding the
    // focus closes through its close button, so the rest is stacked again.
    QWidget* focus = QApplication::focusWidget();
    for (FloatingPanel id :
         {FloatingPanel::TextLabel, FloatingPanel::Pictures, FloatingPanel::FormatRecord,
          FloatingPanel::SaveFormat, FloatingPanel::RecordLoad}) {
        QWidget* panel = panels_.find(id);
        if (panel && panel->isVisible() && focus && panel->isAncestorOf(focus)) {
            closePanel(id);
            return;
        }
    }
}

// ---------------------------------------------------------------- page pointer

void PageEditor::pagePress(Qt::MouseButton button, QPointF at) {
    if (button == Qt::LeftButton)
        model().pointer.press(at);
}

void PageEditor::pageDrag(Qt::MouseButtons buttons, QPointF at) {
    panels_.hideEntered();
    if (model().pointer.drags(buttons & Qt::LeftButton)) {
        model().panPage(at);
        return;
    }
    hint(EditorTexts::pageHint());
    addPanel_->hide();
    panels_.hide(FloatingPanel::ItemMenu);
    for (int k = 1; k <= model().items().highestInUse(); ++k)
        if (BarcodeItemWidget* w = itemWidget(k))
            w->deleteButton()->hide();
    tags_->hideDeleteTagButtons();
    selectionFrame_->hide();
}

void PageEditor::pageRelease(Qt::MouseButton button, QPointF at) {
    closePanels();
    model().currentItem = 0;
    if (button == Qt::RightButton)
        openAddBarcodePanel(pageOrigin() + at);
    model().pointer.release();
}

void PageEditor::openAddBarcodePanel(QPointF pointer) {
    const QPointF topLeft =
        PanelPlacement::atPointer(pointer, QSizeF(addPanel_->size()) * twips::perPixel,
                                  QSizeF(panelParent_->size()) * twips::perPixel);
    addPanel_->open(screen::point(topLeft), memory_.count(), formatRecordFileExists());
}

// ---------------------------------------------------------------- items

BarcodeItemWidget* PageEditor::createItemWidget(int index, QWidget* parent) {
    auto* w = new BarcodeItemWidget(index, parent);
    widgets_[std::size_t(index)] = w;
    // The widget shows its item once the page's notice of it arrives (followInsertedItems).
    if (index == ItemTable::previewItem) // not edited: no handle to drag, no pointer actions
        return w;
    connect(w, &BarcodeItemWidget::pressed, this, &PageEditor::itemPress);
    connect(w, &BarcodeItemWidget::moved, this, &PageEditor::itemDrag);
    connect(w, &BarcodeItemWidget::released, this, &PageEditor::itemRelease);
    connect(w, &BarcodeItemWidget::doubleClicked, this,
            [this](int p, QPointF) { itemDoubleClick(p); });
    connect(w->symbolHandle(), &SymbolHandleWidget::pressed, this, &PageEditor::symbolHandlePress);
    connect(w->symbolHandle(), &SymbolHandleWidget::moved, this, &PageEditor::symbolHandleDrag);
    connect(w->symbolHandle(), &SymbolHandleWidget::released, this,
            [this](int p, Qt::MouseButton, QPointF) { symbolHandleRelease(p); });
    connect(w->deleteButton(), &SkinButton::clicked, this, [this, index] { deleteItem(index); });
    hints_->attach(w->deleteButton(), [] { return EditPanelRules::deleteButtonHint(); });
    tags_->attachItem(w);
    return w;
}

void PageEditor::syncItemWidget(int index) {
    BarcodeItemWidget* w = itemWidget(index);
    if (!w)
        return;
    const BarcodeItem& item = model().items().at(index);
    w->setRectTwips(item.rect());
    w->setBackColour(QColor(item.backColour));
    w->setBorder(item.border == 1);
    w->placeDeleteButton(item.width);
    w->symbolHandle()->moveToTwips({item.symbol.symbolLeft, item.symbol.symbolTop});
    w->symbolHandle()->setCaption(item.symbol.barHeight);
    w->symbolHandle()->setVisible(index != ItemTable::previewItem && !item.symbol.text.isEmpty());
}

void PageEditor::removeItemWidget(int index) {
    QPointer<BarcodeItemWidget>& slot = widgets_[std::size_t(index)];
    if (!slot)
        return;
    // The delete button that asks for this may be inside the widget: let it finish first.
    slot->hide();
    slot->setObjectName(QString());
    slot->setProperty("index", QVariant());
    slot->deleteLater();
    slot = nullptr;
}

std::optional<int> PageEditor::addBlankItem() {
    const QPointF panel = screen::twipsOf(addPanel_->pos());
    const QPointF viewport = viewportOrigin();
    const QPointF topLeft(roundHalfEven(panel.x() - (model().page().left + viewport.x())),
                          roundHalfEven(panel.y() - (model().page().top + viewport.y())));
    addPanel_->hide();
    const std::optional<int> index = document_->addBlankItem(topLeft, isLabelPrinter());
    if (!index) {
        services_.messages.warn(EditorTexts::pageFullTitle(), EditorTexts::pageFullText());
        return std::nullopt;
    }
    model().currentItem = std::int16_t(*index);
    return index;
}

BarcodeItemWidget* PageEditor::showPreviewItem(QWidget* area) {
    model().removeItems({ItemTable::previewItem});
    removeItemWidget(ItemTable::previewItem);
    previewArea_ = area;
    model().insertItems(
        {document_->filledCopy(memory_, ItemTable::previewItem, {0, 0}, isLabelPrinter())});
    return itemWidget(ItemTable::previewItem);
}

void PageEditor::deleteItem(int index) {
    if (!ItemTable::isPageIndex(index) || !model().items().exists(index))
        return;
    document_->deleteItem(index);
    panels_.hide(itemPanels);
}

void PageEditor::clearPage() {
    const int removed = document_->clearPage();
    panels_.hide(FloatingPanel::Layouts);
    // The edit panel and the palette would otherwise go on editing an item that is gone.
    editPanel_->hide();
    palette_->hide();
    if (removed > 0)
        hint(HistoryTexts::cleared(removed));
}

void PageEditor::showSelectionFrame(int index) {
    const BarcodeItem& item = model().items().at(index);
    selectionFrame_->setFrame(
        QRectF(item.left - 15, item.top - 15, item.width + 30, item.height + 30));
    selectionFrame_->show();
    selectionFrame_->raise();
}

void PageEditor::redrawItem(int index) {
    BarcodeItemWidget* w = itemWidget(index);
    if (!w || !model().items().exists(index))
        return;
    const BarcodeItem& item = model().items().at(index);
    selectionFrame_->setFrame(
        QRectF(item.left - 15, item.top - 15, item.width + 30, item.height + 30));
    syncItemWidget(index);
    BarcodeAppearance symbol = item.symbol;
    brevmark::redrawBarcode(symbol, services_.printing.resolution, w->surface());
    w->update();
}

// ---------------------------------------------------------------- item pointer

void PageEditor::itemPress(int index, Qt::MouseButton button, QPointF at) {
    model().currentItem = std::int16_t(index);
    if (BarcodeItemWidget* w = itemWidget(index))
        w->raise();
    model().pointer.press(at);
    gesture_ = document_->newGesture();
    panels_.hide(FloatingPanel::ItemMenu);
    palette_->hide();
    addPanel_->hide();
    panels_.hide({FloatingPanel::SaveFormat, FloatingPanel::FormatRecord, FloatingPanel::TextLabel,
                  FloatingPanel::Pictures});
    editPanel_->hide();
    if (index == ItemTable::simpleItem && button == Qt::LeftButton) {
        openItem(index);
        stackPanels();
    }
}

void PageEditor::showMatchLine(int index, ItemGesture gesture) {
    if (const auto line = ItemDrag::matchLine(model().items(), index, gesture)) {
        matchLine_->setLine(*line);
        matchLine_->show();
        matchLine_->raise();
    }
}

void PageEditor::itemDrag(int index, Qt::MouseButtons buttons, QPointF at) {
    if (!model().items().exists(index))
        return;
    panels_.hide(FloatingPanel::ItemMenu);
    matchLine_->hide();
    model().currentItem = std::int16_t(index);
    const BarcodeItem& item = model().items().at(index);
    const ItemGesture gesture =
        ItemDrag::gestureFor(item, index, model().pointer, at, buttons & Qt::LeftButton);
    const bool simple = model().page().isSimpleLayout();
    if (gesture == ItemGesture::ResizeRight || gesture == ItemGesture::ResizeBottom) {
        editPanel_->hide();
        panels_.hide(FloatingPanel::PrintQuantity);
        BarcodeItem resized = item;
        if (ItemDrag::apply(gesture, resized, model().pointer, at))
            document_->placeItem(index, resized.rect(), true, gesture_);
        if (model().page().isProfessionalLayout())
            showMatchLine(index, gesture);
    } else if (gesture == ItemGesture::Move) {
        BarcodeItem moved = item;
        if (ItemDrag::apply(gesture, moved, model().pointer, at))
            document_->placeItem(index, moved.rect(), false, gesture_);
        showMatchLine(index, gesture);
        hint(EditorTexts::moveHint());
    } else if (simple) {
        hint(EditorTexts::simpleItemHint());
    } else if (model().page().isProfessionalLayout()) {
        hint(EditorTexts::professionalItemHint());
    }

    if (BarcodeItemWidget* w = itemWidget(index)) {
        const BarcodeItem& now = model().items().at(index);
        switch (ItemDrag::zoneAt(now, at)) {
        case ItemZone::RightBand:
            w->setCursor(Qt::SizeHorCursor);
            break;
        case ItemZone::BottomBand:
            w->setCursor(Qt::SizeVerCursor);
            break;
        case ItemZone::Inside:
            w->setCursor(Qt::ArrowCursor);
            break;
        }
        if (index >= 1) {
            w->deleteButton()->show();
            w->deleteButton()->raise();
            showSelectionFrame(index);
        }
    }
}

void PageEditor::itemRelease(int index, Qt::MouseButton button, QPointF at) {
    if (button == Qt::RightButton && model().items().exists(index)) {
        const BarcodeItem& item = model().items().at(index);
        openItemMenu(index, pageOrigin() + QPointF(item.left, item.top) + at);
    }
    model().pointer.release();
    gesture_ = 0;
    if (index == ItemTable::simpleItem && button == Qt::LeftButton) {
        openItem(index);
        // A resize of item 0 hid the edit and print quantity panels: both come back at once,
        // stacked under the page at its new size.
        if (model().page().isSimpleLayout())
            stackPanels();
    }
}

void PageEditor::itemDoubleClick(int index) {
    openItem(index);
}

void PageEditor::symbolHandlePress(int, Qt::MouseButton, QPointF at) {
    model().pointer.press(at);
    gesture_ = document_->newGesture();
}

void PageEditor::symbolHandleDrag(int index, Qt::MouseButtons buttons, QPointF at) {
    if (!model().items().exists(index))
        return;
    if (!model().pointer.drags(buttons & Qt::LeftButton)) {
        hint(EditorTexts::symbolHandleHint());
        return;
    }
    const BarcodeItem& item = model().items().at(index);
    ItemLook look = ItemLook::of(item);
    if (ItemDrag::dragSymbolHandle(look.symbol, SymbolHandleWidget::sizeTwips(),
                                   QSizeF(item.width, item.height), model().pointer, at))
        document_->setItemLook(index, look, gesture_);
}

void PageEditor::symbolHandleRelease(int) {
    model().pointer.release();
    gesture_ = 0;
}

// ---------------------------------------------------------------- edit panel

void PageEditor::openItem(int index) {
    if (!model().items().exists(index) || !itemWidget(index))
        return;
    model().editedItem = std::int16_t(index);
    document_->startTypingRun();
    const BarcodeItem& item = model().items().at(index);
    const QPointF below = PanelPlacement::belowItem(item.rect(), pageOrigin());
    editPanel_->showItem(index, item);
    editPanel_->move(screen::point(below));
    editPanel_->show();
    editPanel_->raise();
    if (editPanel_->isVisible())
        editPanel_->entry()->setFocus();
}

const BarcodeItem* PageEditor::editedItem() const {
    const int index = model().editedItem;
    if (!model().items().exists(index) || !itemWidget(index))
        return nullptr;
    return &model().items().at(index);
}

void PageEditor::changeLook(const std::function<void(ItemLook&)>& change) {
    const BarcodeItem* item = editedItem();
    if (!item)
        return;
    ItemLook look = ItemLook::of(*item);
    change(look);
    document_->setItemLook(model().editedItem, look);
}

void PageEditor::takeBarcode(const QString& barcode) {
    editPanel_->setEntryText(barcode);
    if (editedItem())
        document_->setItemText(model().editedItem, itemTextOfEntry(barcode),
                               PageDocument::TextSource::Record);
}

void PageEditor::connectEditPanel() {
    BarcodeEditPanel* panel = editPanel_;
    // Only what the user types is an edit (the panel showing an item's text is none); the box
    // hands it to the page history itself.
    connect(panel->entry(), &QLineEdit::textEdited, document_, &PageDocument::typeText);
    for (SerialStep step : {SerialStep::Add, SerialStep::Subtract}) {
        connect(panel->serialButton(int(step)), &SkinButton::clicked, this, [this, step] {
            const QString text = editPanel_->entry()->text();
            if (text.isEmpty() || !editedItem())
                return;
            const QString stepped = serialStep(text, step);
            editPanel_->setEntryText(stepped);
            document_->setItemText(model().editedItem, itemTextOfEntry(stepped),
                                   PageDocument::TextSource::SerialStep);
        });
    }
    connect(panel->showTextBox(), &SkinButton::clicked, this, [this](bool on) {
        changeLook([on](ItemLook& look) { look.symbol.showText = on ? 1 : 0; });
    });
    connect(panel->alignmentBox(), &SkinButton::clicked, this, [this](bool on) {
        changeLook([on](ItemLook& look) { look.symbol.textAlignment = on ? 1 : 0; });
    });
    connect(panel->borderBox(), &SkinButton::clicked, this,
            [this](bool on) { changeLook([on](ItemLook& look) { look.border = on ? 1 : 0; }); });
    connect(panel->boldBox(), &SkinButton::clicked, this,
            [this](bool on) { changeLook([on](ItemLook& look) { look.symbol.textBold = on; }); });
    connect(panel->sizeList(), &QComboBox::activated, this, [this](int row) {
        const int size = EditPanelRules::textSizes().value(row, 10);
        changeLook([size](ItemLook& look) { look.symbol.textSize = std::uint8_t(size); });
    });
    for (int i = 0; i < 4; ++i) {
        connect(panel->widthRatioOption(i), &SkinButton::clicked, this, [this, i] {
            changeLook([i](ItemLook& look) { look.symbol.widthRatio = std::uint8_t(i); });
        });
    }
    connect(panel->swatchButton(), &SkinButton::clicked, this, [this] {
        SkinButton* swatch = editPanel_->swatchButton();
        const QRect opener(swatch->mapTo(panelParent_, QPoint(0, 0)), swatch->size());
        palette_->open(opener, ColourPalette::backColourTitle(), [this](const QColor& colour) {
            editPanel_->setSwatchColour(colour);
            changeLook([colour](ItemLook& look) { look.backColour = colour.rgb() & 0xFFFFFF; });
        });
    });
    for (int i = 0; i < EditPanelRules::adjustButtonCount; ++i) {
        connect(panel->adjustButton(i), &SkinButton::clicked, this, [this, i] {
            changeLook([i](ItemLook& look) { EditPanelRules::nudge(look.symbol, i); });
        });
    }
    connect(panel->closeButton(), &SkinButton::clicked, this,
            [this] { closePanel(FloatingPanel::BarcodeEdit); });
    connect(panel, &BarcodeEditPanel::entryDoubleClicked, this, [this] {
        if (recordFileExists())
            emit recordLoadPanelRequested(screen::twipsOf(editPanel_->pos()));
    });
}

void PageEditor::attachHints() {
    BarcodeEditPanel* panel = editPanel_;
    hints_->attach(panel->showTextBox(), [panel] {
        return EditPanelRules::showTextHint(panel->showTextBox()->isChecked());
    });
    hints_->attach(panel->alignmentBox(), [panel] {
        return EditPanelRules::alignmentHint(panel->alignmentBox()->isChecked());
    });
    hints_->attach(panel->boldBox(),
                   [panel] { return EditPanelRules::boldHint(panel->boldBox()->isChecked()); });
    hints_->attach(panel->borderBox(), [this, panel] {
        return EditPanelRules::borderHint(panel->borderBox()->isChecked(), isLabelPrinter());
    });
    hints_->attach(panel->entry(),
                   [this] { return EditPanelRules::entryHint(recordFileExists()); });
    hints_->attach(panel->swatchButton(), [] { return EditPanelRules::swatchHint(); });
    hints_->attach(panel->closeButton(), [] { return EditPanelRules::closeButtonHint(); });
    for (SerialStep step : {SerialStep::Add, SerialStep::Subtract})
        hints_->attach(panel->serialButton(int(step)),
                       [panel, step] { return serialStepHint(panel->entry()->text(), step); });
    for (int i = 0; i < EditPanelRules::adjustButtonCount; ++i)
        hints_->attach(panel->adjustButton(i), [i] { return EditPanelRules::adjustHint(i); });
    hints_->attach(panel->sizeList(), [] { return EditPanelRules::textSizeHint(); });
    for (int i = 0; i < 4; ++i)
        hints_->attach(panel->widthRatioOption(i),
                       [i] { return EditPanelRules::widthRatioHint(i); });
    for (int i = 0; i < PaperTable::count; ++i)
        hints_->attach(paperPanel_->sizeOption(i), [i] {
            return EditorTexts::paperSizeHint(PaperTable::caption(PaperSize(i)));
        });
    for (int i = 0; i < 2; ++i)
        hints_->attach(paperPanel_->orientationOption(i),
                       [i] { return EditorTexts::orientationHint(i == 1); });
    hints_->attach(paperPanel_->picture(), [] { return EditorTexts::paperPictureHint(); });
}

// ---------------------------------------------------------------- context menu, tags, memory

void PageEditor::openItemMenu(int index, QPointF pointer) {
    if (!model().items().exists(index))
        return;
    const bool professional = !model().page().isSimpleLayout();
    const bool formatFile = formatRecordFileExists();
    menuTopLeft_ = PanelPlacement::atPointer(pointer, ItemMenu::sizeTwips(professional, formatFile),
                                             QSizeF(panelParent_->size()) * twips::perPixel);
    menu_->open(index, screen::point(menuTopLeft_), professional, formatFile);
}

QPointF PageEditor::menuPointInItem() const {
    const int index = menu_->itemIndex();
    const BarcodeItem& item = model().items().at(index);
    const QPointF origin = pageOrigin();
    return {roundHalfEven(menuTopLeft_.x() - (origin.x() + item.left)),
            roundHalfEven(menuTopLeft_.y() - (origin.y() + item.top))};
}

void PageEditor::chooseMenuEntry(ItemMenuEntry entry, int index) {
    menu_->hide();
    if (!model().items().exists(index))
        return;
    switch (entry) {
    case ItemMenuEntry::AddLabel:
        document_->addLabel(index, menuPointInItem());
        break;
    case ItemMenuEntry::AddImage:
        document_->addImage(index, menuPointInItem());
        break;
    case ItemMenuEntry::CopyFormat:
        captureFormat(index);
        break;
    case ItemMenuEntry::ReadFormat:
        formats_->openFormatRecordPanel(menuTopLeft_, FormatBrowser::TakeMode::Apply, index);
        break;
    case ItemMenuEntry::SaveFormat:
        formats_->openSaveFormatPanel(index);
        break;
    }
}

void PageEditor::setPictureFolder(PictureFolder& folder) {
    tags_->setPictureFolder(folder);
    document_->setPictureSource([this](const QString& file) { return tags_->pictureFor(file); });
}

void PageEditor::setFonts(const QStringList& screenFonts) {
    tags_->setFonts(screenFonts);
}

void PageEditor::captureFormat(int index) {
    if (!model().items().exists(index))
        return;
    // The records cannot carry some characters of a caption: capture takes them out of the
    // captions on the page too (no step of the history: the page shows what is stored).
    memory_.setRecords(
        FormatMemory::recordsOf(model().items().at(index), model().tags().find(index)));
    for (int j = 0; j <= TagTable::maxPerItem; ++j) {
        const TextLabelItem* label = model().tags().label(index, j);
        if (!label)
            continue;
        if (const std::optional<TextLabelItem> cleaned = FormatMemory::withCleanCaption(*label))
            model().setTag({TagKind::Label, index, j}, *cleaned);
    }
}

int PageEditor::addCopiesInto(const QList<QRectF>& boxes) {
    const PageDocument::Copies copies =
        document_->addCopiesInto(boxes, memory_.records(), isLabelPrinter());
    if (copies.last >= 0)
        model().currentItem = std::int16_t(copies.last);
    selectionFrame_->hide();
    return copies.placement.made;
}

int PageEditor::addCopies() {
    const QPointF panel = screen::twipsOf(addPanel_->pos());
    const QPointF origin = pageOrigin();
    const QPointF start(roundHalfEven(panel.x() - origin.x()),
                        roundHalfEven(panel.y() - origin.y()));
    const PageDocument::Copies copies =
        document_->addCopies(start, addPanel_->copyCount(), memory_.records(), isLabelPrinter());
    if (copies.last >= 0)
        model().currentItem = std::int16_t(copies.last);
    addPanel_->hide();
    if (copies.placement.stop == CopyPlacement::Stop::Overflow)
        services_.messages.inform(CopyPlacement::overflowTitle(), CopyPlacement::overflowText());
    else if (copies.placement.stop == CopyPlacement::Stop::NoFreeIndex)
        services_.messages.warn(EditorTexts::pageFullTitle(), EditorTexts::pageFullText());
    return copies.placement.made;
}

// ---------------------------------------------------------------- arrangement and quantities

void PageEditor::openArrangementPanel(double buttonLeftTwips) {
    closePanels();
    arrangementPanel_->open(screen::point(QPointF(buttonLeftTwips - 360, 600)));
}

bool PageEditor::arrange(int mode) {
    arrangementPanel_->rememberMode(mode);
    // Arranging clears the lines drawn on the page (alignment guides).
    pageWidget_->paintPaper(QSizeF(model().page().width, model().page().height));
    const Arrangement::Outcome outcome = document_->arrange(mode);
    selectionFrame_->hide();
    if (outcome == Arrangement::Outcome::Overflow) {
        services_.messages.inform(Arrangement::overflowTitle(), Arrangement::overflowText());
        return false;
    }
    return true;
}

void PageEditor::saveArrangementSettings() {
    arrangementSetting().write(services_.settings, model().arrangement);
    if (arrangementPanel_->mode() >= 0)
        arrange(arrangementPanel_->mode());
}

void PageEditor::restoreArrangement(const ArrangementSettings& settings) {
    arrangementPanel_->setSettings(settings);
    model().arrangement = arrangementPanel_->settings();
}

void PageEditor::connectLayoutPanels() {
    // The boxes as typed go into the model at every change; the arrangement and the simple print
    // read them there.
    ArrangementPanel* arrangement = arrangementPanel_;
    model().arrangement = arrangement->settings();
    for (int i = 0; i < 4; ++i)
        connect(arrangement->box(i), &QLineEdit::textChanged, this,
                [this] { model().arrangement = arrangementPanel_->settings(); });
    model().printQuantity = quantityPanel_->quantityText();
    connect(quantityPanel_->quantityBox(), &QLineEdit::textChanged, this,
            [this](const QString& text) { model().printQuantity = text; });
    connect(arrangement, &ArrangementPanel::modeChosen, this, [this](int mode) { arrange(mode); });
    connect(arrangement, &ArrangementPanel::settingsEdited, this,
            &PageEditor::saveArrangementSettings);
    connect(arrangement, &ArrangementPanel::alignmentRequested, this, [this] {
        arrangementPanel_->hide();
        emit alignmentWindowRequested();
    });
    hints_->attach(arrangement->alignmentButton(), [] { return TagTexts::alignmentButtonHint(); });
    const std::function<QString()> boxHints[4] = {
        [] { return TagTexts::horizontalGapHint(); }, [] { return TagTexts::verticalGapHint(); },
        [] { return TagTexts::startLeftHint(); }, [] { return TagTexts::startTopHint(); }};
    for (int i = 0; i < 4; ++i)
        hints_->attach(arrangement->box(i), boxHints[i]);
    for (int m = 0; m < 3; ++m)
        hints_->attach(arrangement->modeButton(m), [m] { return TagTexts::modeHint(m); });

    PrintQuantityPanel* quantity = quantityPanel_;
    hints_->attach(quantity->quantityBox(), [] { return TagTexts::quantityBoxHint(); });
    for (int i = 0; i < 2; ++i)
        hints_->attach(quantity->stepButton(i), [i] { return TagTexts::quantityStepHint(i); });

    hints_->attach(addPanel_->button(0), [] { return EditorTexts::addBlankCaption(); });
    hints_->attach(addPanel_->button(1), [this] {
        return EditorTexts::addCopiesCaption(int(addPanel_->copyCountBox()->value()));
    });
    hints_->attach(addPanel_->button(2), [] { return EditorTexts::addFromRecordCaption(); });
    hints_->attach(addPanel_->copyCountBox(), [] { return TagTexts::copyCountHint(); });
    // The count is typed with the pointer on button 1: its hint follows each key.
    connect(addPanel_->copyCountBox(), &QLineEdit::textChanged, this, [this] {
        if (addPanel_->isVisible())
            hint(EditorTexts::addCopiesCaption(int(addPanel_->copyCountBox()->value())));
    });
}

} // namespace brevmark
