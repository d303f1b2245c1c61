#include "page/ui/PageEditor.h"

#include "common/LeadingNumber.h"
#include "common/Rounding.h"
#include "common/ScreenPixels.h"
#include "common/Twips.h"
#include "page/Arrangement.h"
#include "page/CopyPlacement.h"
#include "page/EditPanelRules.h"
#include "page/EditorTexts.h"
#include "page/PanelPlacement.h"
#include "page/TagTexts.h"
#include "page/ui/AddBarcodePanel.h"
#include "page/ui/ArrangementPanel.h"
#include "page/ui/BarcodeEditPanel.h"
#include "page/ui/BarcodeItemWidget.h"
#include "page/ui/ColourPalette.h"
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
#include "page/ui/TextLabelPanel.h"
#include "platform/MessageBoxes.h"
#include "records/SettingsKeys.h"
#include "symbology/BarcodeEntry.h"
#include "symbology/BarcodeRedraw.h"
#include "symbology/SerialStep.h"

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

PageEditor::PageEditor(QWidget* viewport, QWidget* panelParent, EditorHost& host, QObject* parent)
    : QObject(parent), viewport_(viewport), panelParent_(panelParent), panels_(panelParent),
      host_(host), pageWidget_(new PageWidget(viewport)),
      selectionFrame_(new GuideWidget(GuideWidget::Kind::SelectionFrame, pageWidget_)),
      matchLine_(new GuideWidget(GuideWidget::Kind::MatchLine, pageWidget_)),
      verticalBar_(new QScrollBar(Qt::Vertical, viewport)),
      horizontalBar_(new QScrollBar(Qt::Horizontal, viewport)),
      editPanel_(new BarcodeEditPanel(panelParent)), paperPanel_(new PaperPanel(panelParent)),
      addPanel_(new AddBarcodePanel(panelParent)), palette_(new ColourPalette(panelParent)),
      hints_(new HintFilter([this](const QString& text) { host_.setHint(text); }, this)),
      menu_(new ItemMenu(panelParent)), arrangementPanel_(new ArrangementPanel(panelParent)),
      quantityPanel_(new PrintQuantityPanel(panelParent)), widgets_(1000) {
    tags_ = new TagEditor(*this, model_, host_, panelParent, palette_, hints_);
    setObjectName(QStringLiteral("頁面編輯"));
    // The page is reached by panning; the scroll bars only matter until the first paper adjust.
    verticalBar_->setObjectName(QStringLiteral("捲軸上下"));
    horizontalBar_->setObjectName(QStringLiteral("捲軸左右"));
    verticalBar_->hide();
    horizontalBar_->hide();
    connect(verticalBar_, &QScrollBar::valueChanged, this, [this](int v) {
        panels_.hide(itemPanels);
        model_.page.top = LabelPage::scrolledPosition(v);
        syncPage();
    });
    connect(horizontalBar_, &QScrollBar::valueChanged, this, [this](int h) {
        panels_.hide(itemPanels);
        model_.page.left = LabelPage::scrolledPosition(h);
        syncPage();
    });

    connect(pageWidget_, &PageWidget::pressed, this, &PageEditor::pagePress);
    connect(pageWidget_, &PageWidget::moved, this, &PageEditor::pageDrag);
    connect(pageWidget_, &PageWidget::released, this, &PageEditor::pageRelease);

    // Item 0, the simple layout's single item, always exists and stays out of every page loop.
    model_.items.at(ItemTable::simpleItem) = BarcodeItem::blank({0, 0}, host_.isLabelPrinter());
    createItemWidget(ItemTable::simpleItem, pageWidget_)->hide();

    connectEditPanel();
    connectPaperPanel();
    connect(addPanel_, &AddBarcodePanel::addBlankRequested, this, [this] { addBlankItem(); });
    connect(addPanel_, &AddBarcodePanel::addCopiesRequested, this, [this] { addCopies(); });
    connect(menu_, &ItemMenu::chosen, this, &PageEditor::menuChosen);
    connect(menu_, &ItemMenu::hintRequested, this, [this](const QString& t) { host_.setHint(t); });
    connectLayoutPanels();
    connect(addPanel_, &AddBarcodePanel::addFromRecordRequested, this, [this] {
        const QPointF at = screen::twipsOf(addPanel_->pos());
        addPanel_->hide();
        host_.addFromFormatRecord(at);
    });
    attachHints();
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

void PageEditor::closeFrontPanel() {
    // The small panels that float over the others go first, one at a time.
    for (QWidget* small : {static_cast<QWidget*>(palette_), static_cast<QWidget*>(menu_),
                           static_cast<QWidget*>(addPanel_)}) {
        if (small->isVisible()) {
            small->hide();
            return;
        }
    }
    if (model_.page.isProfessionalLayout()) {
        host_.closePanels();
        return;
    }
    // The simple layout keeps its edit and print quantity panels; another panel holding the
    // focus closes through its close button, so the rest is stacked again.
    const std::pair<const char*, int> closable[] = {{"標籤修改區", 2},
                                                    {"圖片讀取窗", 6},
                                                    {"條碼讀取窗", 4},
                                                    {"條碼儲存窗", 5},
                                                    {"條碼載入窗", 0}};
    QWidget* focus = QApplication::focusWidget();
    for (const auto& [name, button] : closable) {
        QWidget* panel =
            panelParent_->findChild<QWidget*>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
        if (panel && panel->isVisible() && focus && panel->isAncestorOf(focus)) {
            host_.closePanelButton(button);
            return;
        }
    }
}

// ---------------------------------------------------------------- geometry helpers

QPointF PageEditor::viewportOrigin() const {
    if (panelParent_->isAncestorOf(viewport_))
        return screen::twipsOf(viewport_->mapTo(panelParent_, QPoint(0, 0)));
    return screen::twipsOf(viewport_->mapToGlobal(QPoint(0, 0)) -
                           panelParent_->mapToGlobal(QPoint(0, 0)));
}

QPointF PageEditor::pageOrigin() const {
    return viewportOrigin() + QPointF(model_.page.left, model_.page.top);
}

void PageEditor::syncPage() {
    const LabelPage& page = model_.page;
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
    model_.page.adjust(QSizeF(viewport_->size()) * twips::perPixel);
    syncPage();
    pageWidget_->paintPaper(QSizeF(model_.page.width, model_.page.height));
    verticalBar_->hide();
    horizontalBar_->hide();
    host_.hideAlignmentHandle();
    pageWidget_->show();
}

void PageEditor::selectPaperSize(PaperSize paper) {
    model_.page.paperSize = paper;
    paperPanel_->showState(paper, model_.page.landscape());
    paperAdjust();
}

void PageEditor::setOrientation(int index) {
    model_.page.setOrientationIndex(index);
    host_.setHint(EditorTexts::orientationHint(model_.page.landscape()));
    paperPanel_->showState(model_.page.paperSize, model_.page.landscape());
    paperAdjust();
}

void PageEditor::openPaperPanel(double buttonLeftTwips) {
    host_.closePanels();
    paperPanel_->showState(model_.page.paperSize, model_.page.landscape());
    paperPanel_->open(screen::point(PanelPlacement::paperPanel(buttonLeftTwips)));
}

void PageEditor::setLayoutTag(const QString& tag) {
    model_.page.layoutTag = tag;
    if (tag == LabelPage::simpleLayout() || tag == LabelPage::professionalLayout())
        tags_->labelPanel()->setSimpleLook(tag == LabelPage::simpleLayout());
}

void PageEditor::setPageRect(const QRectF& r) {
    model_.page.left = float(r.left());
    model_.page.top = float(r.top());
    model_.page.width = float(r.width());
    model_.page.height = float(r.height());
    syncPage();
    pageWidget_->paintPaper(r.size());
}

void PageEditor::connectPaperPanel() {
    connect(paperPanel_, &PaperPanel::paperChosen, this, &PageEditor::selectPaperSize);
    connect(paperPanel_, &PaperPanel::orientationChosen, this, &PageEditor::setOrientation);
}

// ---------------------------------------------------------------- page pointer

void PageEditor::pagePress(Qt::MouseButton button, QPointF at) {
    if (button == Qt::LeftButton)
        model_.pointer.press(at);
}

void PageEditor::pageDrag(Qt::MouseButtons buttons, QPointF at) {
    panels_.hideEntered();
    if (model_.pointer.drags(buttons & Qt::LeftButton)) {
        if (model_.page.pan(model_.pointer, at))
            syncPage();
        return;
    }
    host_.setHint(EditorTexts::pageHint());
    addPanel_->hide();
    panels_.hide(FloatingPanel::ItemMenu);
    for (int k = 1; k <= model_.items.highestInUse(); ++k)
        if (BarcodeItemWidget* w = itemWidget(k))
            w->deleteButton()->hide();
    tags_->hideDeleteTagButtons();
    selectionFrame_->hide();
}

void PageEditor::pageRelease(Qt::MouseButton button, QPointF at) {
    host_.closePanels();
    model_.currentItem = 0;
    if (button == Qt::RightButton)
        openAddBarcodePanel(pageOrigin() + at);
    model_.pointer.release();
}

void PageEditor::openAddBarcodePanel(QPointF pointer) {
    const QPointF topLeft =
        PanelPlacement::atPointer(pointer, QSizeF(addPanel_->size()) * twips::perPixel,
                                  QSizeF(panelParent_->size()) * twips::perPixel);
    addPanel_->open(screen::point(topLeft), memory_.count(), host_.formatRecordFileExists());
}

// ---------------------------------------------------------------- items

BarcodeItemWidget* PageEditor::createItemWidget(int index, QWidget* parent) {
    auto* w = new BarcodeItemWidget(index, parent);
    widgets_[std::size_t(index)] = w;
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
    syncItemWidget(index);
    return w;
}

void PageEditor::syncItemWidget(int index) {
    BarcodeItemWidget* w = itemWidget(index);
    if (!w)
        return;
    const BarcodeItem& item = model_.items.at(index);
    w->setRectTwips(item.rect());
    w->setBackColour(QColor(item.backColour));
    w->setBorder(item.border == 1);
    w->placeDeleteButton(item.width);
    w->symbolHandle()->moveToTwips({item.symbol.symbolLeft, item.symbol.symbolTop});
    w->symbolHandle()->setCaption(item.symbol.barHeight);
    w->symbolHandle()->setVisible(!item.symbol.text.isEmpty());
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
    const QPointF topLeft(roundHalfEven(panel.x() - (model_.page.left + viewport.x())),
                          roundHalfEven(panel.y() - (model_.page.top + viewport.y())));
    const std::optional<int> index = model_.items.addBlank(topLeft, host_.isLabelPrinter());
    if (!index) {
        addPanel_->hide();
        host_.messages().warn(EditorTexts::pageFullTitle(), EditorTexts::pageFullText());
        return std::nullopt;
    }
    createItemWidget(*index, pageWidget_)->show();
    tags_->deleteAllTags(*index);
    host_.deleteItemLabels(*index);
    model_.currentItem = std::int16_t(*index);
    addPanel_->hide();
    redrawItem(*index);
    return index;
}

void PageEditor::putItem(int index, const BarcodeItem& item) {
    model_.items.put(index, item);
    if (!itemWidget(index))
        createItemWidget(index, pageWidget_)->show();
    redrawItem(index);
}

void PageEditor::showSimpleItemAtOrigin() {
    BarcodeItem item0 = model_.items.at(ItemTable::simpleItem);
    item0.left = 0;
    item0.top = 0;
    putItem(ItemTable::simpleItem, item0);
    if (BarcodeItemWidget* w = itemWidget(ItemTable::simpleItem)) {
        w->show();
        w->raise();
    }
}

BarcodeItemWidget* PageEditor::createPreviewItem(QWidget* parent) {
    removeItemWidget(ItemTable::previewItem);
    tags_->deleteAllTags(ItemTable::previewItem);
    model_.items.put(ItemTable::previewItem, BarcodeItem::blank({0, 0}, host_.isLabelPrinter()));
    return createItemWidget(ItemTable::previewItem, parent);
}

void PageEditor::deleteItem(int index) {
    if (!ItemTable::isPageIndex(index) || !model_.items.exists(index))
        return;
    tags_->deleteAllTags(index);
    host_.deleteItemLabels(index);
    removeItemWidget(index);
    model_.items.remove(index);
    panels_.hide(itemPanels);
    selectionFrame_->hide();
    matchLine_->hide();
}

void PageEditor::clearPage() {
    for (int k : model_.items.clearPage()) {
        tags_->deleteAllTags(k);
        host_.deleteItemLabels(k);
        removeItemWidget(k);
    }
    panels_.hide(FloatingPanel::Layouts);
    // The edit panel and the palette would otherwise go on editing an item that is gone.
    editPanel_->hide();
    palette_->hide();
    selectionFrame_->hide();
    matchLine_->hide();
}

bool PageEditor::askAndClearPage() {
    bool holdsItems = false;
    for (int k : ItemTable::pageIndexes())
        holdsItems = holdsItems || model_.items.exists(k);
    if (holdsItems &&
        !host_.messages().confirm(EditorTexts::clearPageTitle(), EditorTexts::clearPageQuestion()))
        return false;
    clearPage();
    return true;
}

void PageEditor::showSelectionFrame(int index) {
    const BarcodeItem& item = model_.items.at(index);
    selectionFrame_->setFrame(
        QRectF(item.left - 15, item.top - 15, item.width + 30, item.height + 30));
    selectionFrame_->show();
    selectionFrame_->raise();
}

void PageEditor::redrawItem(int index) {
    BarcodeItemWidget* w = itemWidget(index);
    if (!w || !model_.items.exists(index))
        return;
    BarcodeItem& item = model_.items.at(index);
    selectionFrame_->setFrame(
        QRectF(item.left - 15, item.top - 15, item.width + 30, item.height + 30));
    syncItemWidget(index);
    brevmark::redrawBarcode(item.symbol, host_.printResolution(), w->surface());
    w->update();
}

// ---------------------------------------------------------------- item pointer

void PageEditor::itemPress(int index, Qt::MouseButton button, QPointF at) {
    model_.currentItem = std::int16_t(index);
    if (BarcodeItemWidget* w = itemWidget(index))
        w->raise();
    model_.pointer.press(at);
    panels_.hide(FloatingPanel::ItemMenu);
    palette_->hide();
    addPanel_->hide();
    panels_.hide({FloatingPanel::SaveFormat, FloatingPanel::FormatRecord, FloatingPanel::TextLabel,
                  FloatingPanel::Pictures});
    editPanel_->hide();
    if (index == ItemTable::simpleItem && button == Qt::LeftButton) {
        openItem(index);
        host_.stackPanels();
    }
}

void PageEditor::itemDrag(int index, Qt::MouseButtons buttons, QPointF at) {
    if (!model_.items.exists(index))
        return;
    panels_.hide(FloatingPanel::ItemMenu);
    matchLine_->hide();
    model_.currentItem = std::int16_t(index);
    BarcodeItem& item = model_.items.at(index);
    const ItemGesture gesture =
        ItemDrag::gestureFor(item, index, model_.pointer, at, buttons & Qt::LeftButton);
    const bool simple = model_.page.isSimpleLayout();
    if (gesture == ItemGesture::ResizeRight || gesture == ItemGesture::ResizeBottom) {
        editPanel_->hide();
        panels_.hide(FloatingPanel::PrintQuantity);
        if (ItemDrag::apply(gesture, item, model_.pointer, at)) {
            redrawItem(index);
            if (simple) {
                const BarcodeItem& only = model_.items.at(ItemTable::simpleItem);
                setPageRect(QRectF(120, 120, only.width, only.height));
            }
        }
        if (!simple && model_.page.isProfessionalLayout()) {
            if (const auto line = ItemDrag::matchLine(model_.items, index, gesture)) {
                matchLine_->setLine(*line);
                matchLine_->show();
                matchLine_->raise();
            }
        }
    } else if (gesture == ItemGesture::Move) {
        if (ItemDrag::apply(gesture, item, model_.pointer, at))
            syncItemWidget(index);
        if (const auto line = ItemDrag::matchLine(model_.items, index, gesture)) {
            matchLine_->setLine(*line);
            matchLine_->show();
            matchLine_->raise();
        }
        host_.setHint(EditorTexts::moveHint());
    } else if (simple) {
        host_.setHint(EditorTexts::simpleItemHint());
    } else if (model_.page.isProfessionalLayout()) {
        host_.setHint(EditorTexts::professionalItemHint());
    }

    if (BarcodeItemWidget* w = itemWidget(index)) {
        switch (ItemDrag::zoneAt(item, at)) {
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
            w->placeDeleteButton(item.width);
            w->deleteButton()->show();
            w->deleteButton()->raise();
            showSelectionFrame(index);
        }
    }
}

void PageEditor::itemRelease(int index, Qt::MouseButton button, QPointF at) {
    if (button == Qt::RightButton && model_.items.exists(index)) {
        const BarcodeItem& item = model_.items.at(index);
        openItemMenu(index, pageOrigin() + QPointF(item.left, item.top) + at);
    }
    model_.pointer.release();
    redrawItem(index);
    if (index == ItemTable::simpleItem && button == Qt::LeftButton) {
        openItem(index);
        // A resize of item 0 hid the edit and print quantity panels: both come back at once,
        // stacked under the page at its new size.
        if (model_.page.isSimpleLayout())
            host_.stackPanels();
    }
}

void PageEditor::itemDoubleClick(int index) {
    openItem(index);
}

void PageEditor::symbolHandlePress(int, Qt::MouseButton, QPointF at) {
    model_.pointer.press(at);
}

void PageEditor::symbolHandleDrag(int index, Qt::MouseButtons buttons, QPointF at) {
    if (!model_.items.exists(index))
        return;
    if (!model_.pointer.drags(buttons & Qt::LeftButton)) {
        host_.setHint(EditorTexts::symbolHandleHint());
        return;
    }
    BarcodeItem& item = model_.items.at(index);
    if (ItemDrag::dragSymbolHandle(item.symbol, SymbolHandleWidget::sizeTwips(),
                                   QSizeF(item.width, item.height), model_.pointer, at))
        redrawItem(index);
}

void PageEditor::symbolHandleRelease(int) {
    model_.pointer.release();
}

// ---------------------------------------------------------------- edit panel

void PageEditor::openItem(int index) {
    if (!model_.items.exists(index) || !itemWidget(index))
        return;
    model_.editedItem = std::int16_t(index);
    const BarcodeItem& item = model_.items.at(index);
    const QPointF below = PanelPlacement::belowItem(item.rect(), pageOrigin());
    editPanel_->showItem(index, item);
    editPanel_->move(screen::point(below));
    editPanel_->show();
    editPanel_->raise();
    if (editPanel_->isVisible())
        editPanel_->entry()->setFocus();
}

BarcodeItem* PageEditor::editedItem() {
    const int index = model_.editedItem;
    if (!model_.items.exists(index) || !itemWidget(index))
        return nullptr;
    return &model_.items.at(index);
}

void PageEditor::editAndRedraw(const std::function<void(BarcodeItem&)>& change, bool redraw) {
    BarcodeItem* item = editedItem();
    if (!item)
        return;
    change(*item);
    if (redraw)
        redrawItem(model_.editedItem);
    else
        syncItemWidget(model_.editedItem);
}

void PageEditor::setBarcodeText(const QString& text) {
    if (BarcodeItem* item = editedItem())
        item->symbol.text = text;
}

void PageEditor::setSymbolHandleVisible(bool visible) {
    if (BarcodeItemWidget* w = itemWidget(model_.editedItem))
        w->symbolHandle()->setVisible(visible);
}

void PageEditor::redrawBarcode() {
    redrawItem(model_.editedItem);
}

void PageEditor::clearBarcodeDrawing() {
    if (BarcodeItemWidget* w = itemWidget(model_.editedItem)) {
        w->surface().clear();
        w->update();
    }
}

void PageEditor::connectEditPanel() {
    BarcodeEditPanel* panel = editPanel_;
    connect(panel->entry(), &QLineEdit::textChanged, this, [this](const QString& text) {
        if (editedItem())
            applyEntryChange(text, *this);
    });
    for (int i = 0; i < 2; ++i) {
        connect(panel->serialButton(i), &SkinButton::clicked, this, [this, i] {
            QLineEdit* entry = editPanel_->entry();
            if (!entry->text().isEmpty())
                editPanel_->setEntryText(serialStep(entry->text(), SerialStep(i)));
        });
    }
    connect(panel->showTextBox(), &SkinButton::clicked, this, [this](bool on) {
        editAndRedraw([on](BarcodeItem& item) { item.symbol.showText = on ? 1 : 0; },
                      !editPanel_->entry()->text().isEmpty());
    });
    connect(panel->alignmentBox(), &SkinButton::clicked, this, [this](bool on) {
        editAndRedraw([on](BarcodeItem& item) { item.symbol.textAlignment = on ? 1 : 0; },
                      !editPanel_->entry()->text().isEmpty());
    });
    connect(panel->borderBox(), &SkinButton::clicked, this, [this](bool on) {
        editAndRedraw([on](BarcodeItem& item) { item.border = on ? 1 : 0; }, false);
    });
    connect(panel->boldBox(), &SkinButton::clicked, this, [this](bool on) {
        editAndRedraw([on](BarcodeItem& item) { item.symbol.textBold = on; });
    });
    connect(panel->sizeList(), &QComboBox::activated, this, [this](int row) {
        const int size = EditPanelRules::textSizes().value(row, 10);
        editAndRedraw([size](BarcodeItem& item) { item.symbol.textSize = std::uint8_t(size); });
    });
    for (int i = 0; i < 4; ++i) {
        connect(panel->widthRatioOption(i), &SkinButton::clicked, this, [this, i] {
            editAndRedraw([i](BarcodeItem& item) { item.symbol.widthRatio = std::uint8_t(i); });
        });
    }
    connect(panel->swatchButton(), &SkinButton::clicked, this, [this] {
        SkinButton* swatch = editPanel_->swatchButton();
        const QRect opener(swatch->mapTo(panelParent_, QPoint(0, 0)), swatch->size());
        palette_->open(opener, ColourPalette::backColourTitle(), [this](const QColor& colour) {
            editPanel_->setSwatchColour(colour);
            editAndRedraw(
                [colour](BarcodeItem& item) { item.backColour = colour.rgb() & 0xFFFFFF; });
        });
    });
    for (int i = 0; i < EditPanelRules::adjustButtonCount; ++i) {
        connect(panel->adjustButton(i), &SkinButton::clicked, this, [this, i] {
            BarcodeItem* item = editedItem();
            if (item && EditPanelRules::nudge(item->symbol, i))
                redrawItem(model_.editedItem);
        });
    }
    connect(panel->closeButton(), &SkinButton::clicked, this,
            [this] { host_.closePanelButton(1); });
    connect(panel, &BarcodeEditPanel::entryDoubleClicked, this, [this] {
        if (host_.recordFileExists())
            host_.openRecordLoadPanel(screen::twipsOf(editPanel_->pos()));
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
        return EditPanelRules::borderHint(panel->borderBox()->isChecked(), host_.isLabelPrinter());
    });
    hints_->attach(panel->entry(),
                   [this] { return EditPanelRules::entryHint(host_.recordFileExists()); });
    hints_->attach(panel->swatchButton(), [] { return EditPanelRules::swatchHint(); });
    hints_->attach(panel->closeButton(), [] { return EditPanelRules::closeButtonHint(); });
    for (int i = 0; i < 2; ++i)
        hints_->attach(panel->serialButton(i), [panel, i] {
            return serialStepHint(panel->entry()->text(), SerialStep(i));
        });
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
    if (!model_.items.exists(index))
        return;
    const bool professional = !model_.page.isSimpleLayout();
    const bool formatFile = host_.formatRecordFileExists();
    menuTopLeft_ = PanelPlacement::atPointer(pointer, ItemMenu::sizeTwips(professional, formatFile),
                                             QSizeF(panelParent_->size()) * twips::perPixel);
    menu_->open(index, screen::point(menuTopLeft_), professional, formatFile);
}

QPointF PageEditor::menuPointInItem() const {
    const int index = menu_->itemIndex();
    const BarcodeItem& item = model_.items.at(index);
    const QPointF origin = pageOrigin();
    return {roundHalfEven(menuTopLeft_.x() - (origin.x() + item.left)),
            roundHalfEven(menuTopLeft_.y() - (origin.y() + item.top))};
}

void PageEditor::menuChosen(int entry, int index) {
    menu_->hide();
    if (!model_.items.exists(index))
        return;
    switch (entry) {
    case 0:
        tags_->addLabel(index, menuPointInItem());
        break;
    case 1:
        tags_->addImage(index, menuPointInItem());
        break;
    case 2:
        captureFormat(index);
        break;
    case 3:
        host_.openFormatRecordPanel(menuTopLeft_);
        break;
    case 4:
        host_.openSaveFormatPanel();
        break;
    default:
        break;
    }
}

void PageEditor::setPictureFolder(PictureFolder& folder) {
    tags_->setPictureFolder(folder);
}

void PageEditor::setFonts(const QStringList& screenFonts) {
    tags_->setFonts(screenFonts);
}

void PageEditor::deleteAllTags(int index) {
    tags_->deleteAllTags(index);
}

void PageEditor::captureFormat(int index) {
    if (!model_.items.exists(index))
        return;
    memory_.capture(model_.items.at(index), &model_.tags.of(index));
    tags_->syncTags(index);
}

void PageEditor::applyFormat(int index) {
    if (!model_.items.exists(index))
        return;
    memory_.apply(model_.items.at(index), index, model_.tags,
                  [this](const QString& file) { return tags_->pictureUsable(file); });
    syncItemWidget(index);
    if (index == ItemTable::previewItem)
        if (BarcodeItemWidget* w = itemWidget(index))
            w->symbolHandle()->hide();
    tags_->syncTags(index);
}

std::optional<int> PageEditor::addCopyAt(QPointF topLeft, std::optional<QSizeF> size) {
    const std::optional<int> index = model_.items.addBlank(topLeft, host_.isLabelPrinter());
    if (!index)
        return std::nullopt;
    createItemWidget(*index, pageWidget_)->show();
    tags_->deleteAllTags(*index);
    host_.deleteItemLabels(*index);
    applyFormat(*index);
    if (size) {
        model_.items.at(*index).width = float(size->width());
        model_.items.at(*index).height = float(size->height());
    }
    redrawItem(*index);
    return index;
}

int PageEditor::addCopiesInto(const QList<QRectF>& boxes) {
    int made = 0;
    for (const QRectF& box : boxes) {
        const std::optional<int> index = addCopyAt(box.topLeft(), box.size());
        if (!index)
            break;
        model_.currentItem = std::int16_t(*index);
        ++made;
    }
    selectionFrame_->hide();
    return made;
}

int PageEditor::addCopies() {
    const QPointF panel = screen::twipsOf(addPanel_->pos());
    const QPointF origin = pageOrigin();
    const QPointF start(roundHalfEven(panel.x() - origin.x()),
                        roundHalfEven(panel.y() - origin.y()));
    int last = -1;
    const auto makeCopy = [this, &last](QPointF at) -> std::optional<QSizeF> {
        const std::optional<int> index = addCopyAt(at);
        if (!index)
            return std::nullopt;
        last = *index;
        const BarcodeItem& item = model_.items.at(*index);
        return QSizeF(item.width, item.height);
    };
    const CopyPlacement::Result result = CopyPlacement::run(
        start, [this] { return addPanel_->copyCount(); }, makeCopy, model_.page.width,
        model_.page.height);
    if (last >= 0)
        model_.currentItem = std::int16_t(last);
    addPanel_->hide();
    if (result.stop == CopyPlacement::Stop::Overflow)
        host_.messages().inform(CopyPlacement::overflowTitle(), CopyPlacement::overflowText());
    else if (result.stop == CopyPlacement::Stop::NoFreeIndex)
        host_.messages().warn(EditorTexts::pageFullTitle(), EditorTexts::pageFullText());
    return result.made;
}

// ---------------------------------------------------------------- arrangement and quantities

void PageEditor::openArrangementPanel(double buttonLeftTwips) {
    host_.closePanels();
    arrangementPanel_->open(screen::point(QPointF(buttonLeftTwips - 360, 600)));
}

bool PageEditor::arrange(int mode) {
    arrangementPanel_->rememberMode(mode);
    // Arranging clears the lines drawn on the page (alignment guides).
    pageWidget_->paintPaper(QSizeF(model_.page.width, model_.page.height));
    const Arrangement::Outcome outcome = Arrangement::arrange(
        mode, model_.items, model_.arrangement, model_.page.width, model_.page.height);
    for (int k : ItemTable::pageIndexes())
        if (model_.items.exists(k))
            syncItemWidget(k);
    selectionFrame_->hide();
    if (outcome == Arrangement::Outcome::Overflow) {
        host_.messages().inform(Arrangement::overflowTitle(), Arrangement::overflowText());
        return false;
    }
    return true;
}

void PageEditor::saveArrangementSettings() {
    host_.storeSetting(settings_keys::printArrangement, model_.arrangement.settingText());
    if (arrangementPanel_->mode() >= 0)
        arrange(arrangementPanel_->mode());
}

void PageEditor::restoreArrangement(const QStringList& parts) {
    ArrangementSettings settings;
    if (settings.restore(parts)) {
        arrangementPanel_->setSettings(settings);
        model_.arrangement = arrangementPanel_->settings();
    }
}

void PageEditor::connectLayoutPanels() {
    // The boxes as typed go into the model at every change; the arrangement and the simple print
    // read them there.
    ArrangementPanel* arrangement = arrangementPanel_;
    model_.arrangement = arrangement->settings();
    for (int i = 0; i < 4; ++i)
        connect(arrangement->box(i), &QLineEdit::textChanged, this,
                [this] { model_.arrangement = arrangementPanel_->settings(); });
    model_.printQuantity = quantityPanel_->quantityText();
    connect(quantityPanel_->quantityBox(), &QLineEdit::textChanged, this,
            [this](const QString& text) { model_.printQuantity = text; });
    connect(arrangement, &ArrangementPanel::modeChosen, this, [this](int mode) { arrange(mode); });
    connect(arrangement, &ArrangementPanel::settingsEdited, this,
            &PageEditor::saveArrangementSettings);
    connect(arrangement, &ArrangementPanel::alignmentRequested, this, [this] {
        arrangementPanel_->hide();
        host_.openAlignmentWindow();
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
            host_.setHint(EditorTexts::addCopiesCaption(int(addPanel_->copyCountBox()->value())));
    });
}

} // namespace brevmark
