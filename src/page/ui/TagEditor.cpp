#include "page/ui/TagEditor.h"

#include "common/Rounding.h"
#include "common/ScreenPixels.h"
#include "common/Twips.h"
#include "page/HistoryTexts.h"
#include "page/PageDocument.h"
#include "page/PanelPlacement.h"
#include "page/TagDrag.h"
#include "page/TagPlacement.h"
#include "page/TagTexts.h"
#include "page/ui/AddBarcodePanel.h"
#include "page/ui/BarcodeEditPanel.h"
#include "page/ui/BarcodeItemWidget.h"
#include "page/ui/ColourPalette.h"
#include "page/ui/HintFilter.h"
#include "page/ui/ImageItemWidget.h"
#include "page/ui/ItemMenu.h"
#include "page/ui/PageEditor.h"
#include "page/ui/PicturePanel.h"
#include "page/ui/SkinButton.h"
#include "page/ui/TextLabelPanel.h"
#include "page/ui/TextLabelWidget.h"
#include "platform/SystemServices.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace brevmark {

TagEditor::TagEditor(PageEditor& editor, QWidget* panelParent, ColourPalette* palette,
                     HintFilter* hints)
    : QObject(&editor), editor_(editor), panelParent_(panelParent), palette_(palette),
      hints_(hints), labelPanel_(new TextLabelPanel(panelParent)) {
    const PageModel& pageModel = editor.model();
    connect(&pageModel, &PageModel::tagInserted, this, &TagEditor::followTag);
    connect(&pageModel, &PageModel::tagChanged, this, &TagEditor::followTag);
    connect(&pageModel, &PageModel::tagRemoved, this, [this](const TagAddress& tag) {
        removeWidget(tag.kind, tag.item, tag.number);
        if (underPointer_.item == tag.item && underPointer_.number == tag.number &&
            underPointerKind_ == tag.kind) {
            underPointer_ = TagRef();
            if (BarcodeItemWidget* w = editor_.itemWidget(tag.item))
                w->deleteTagButton()->hide();
        }
        if (tag.kind == TagKind::Label && currentLabel_.item == tag.item &&
            currentLabel_.number == tag.number)
            labelPanel_->hide();
    });
    connectLabelPanel();
}

TagEditor::~TagEditor() = default;

PageModel& TagEditor::model() const {
    return editor_.model();
}

void TagEditor::hint(const QString& text) const {
    if (editor_.services().hint)
        editor_.services().hint(text);
}

// ---------------------------------------------------------------- widgets

TagWidget* TagEditor::widget(TagKind kind, int item, int number) const {
    const auto it = widgets_.find({int(kind), item, number});
    return it == widgets_.end() ? nullptr : it->second.data();
}

TextLabelWidget* TagEditor::labelWidget(int item, int number) const {
    return static_cast<TextLabelWidget*>(widget(TagKind::Label, item, number));
}

ImageItemWidget* TagEditor::imageWidget(int item, int number) const {
    return static_cast<ImageItemWidget*>(widget(TagKind::Image, item, number));
}

void TagEditor::createWidget(TagKind kind, int item, int number) {
    BarcodeItemWidget* owner = editor_.itemWidget(item);
    if (!owner || widget(kind, item, number))
        return;
    TagWidget* w = kind == TagKind::Label
                       ? static_cast<TagWidget*>(new TextLabelWidget(item, number, owner))
                       : static_cast<TagWidget*>(new ImageItemWidget(item, number, owner));
    widgets_[{int(kind), item, number}] = w;
    connect(w, &TagWidget::pressed, this, &TagEditor::tagPress);
    connect(w, &TagWidget::moved, this, &TagEditor::tagDrag);
    connect(w, &TagWidget::released, this, [this] { tagRelease(); });
    connect(w, &TagWidget::doubleClicked, this, &TagEditor::tagDoubleClick);
    w->show();
    w->raise();
}

void TagEditor::removeWidget(TagKind kind, int item, int number) {
    const auto it = widgets_.find({int(kind), item, number});
    if (it == widgets_.end())
        return;
    if (TagWidget* w = it->second.data()) {
        // The press that asks for this may still be running inside the widget.
        w->hide();
        w->setObjectName(QString());
        w->deleteLater();
    }
    widgets_.erase(it);
}

void TagEditor::syncLabel(int item, int number) {
    const TextLabelItem* label = model().tags().label(item, number);
    if (!label)
        return;
    if (!widget(TagKind::Label, item, number))
        createWidget(TagKind::Label, item, number);
    if (TextLabelWidget* w = labelWidget(item, number))
        w->showLabel(*label);
    followWithDeleteTagButton(TagKind::Label, item, number);
}

void TagEditor::syncImage(int item, int number) {
    const ImageItem* image = model().tags().image(item, number);
    if (!image)
        return;
    if (!widget(TagKind::Image, item, number))
        createWidget(TagKind::Image, item, number);
    if (ImageItemWidget* w = imageWidget(item, number))
        w->showImage(*image, image->picture);
    followWithDeleteTagButton(TagKind::Image, item, number);
}

void TagEditor::followTag(const TagAddress& tag) {
    if (tag.kind == TagKind::Label) {
        syncLabel(tag.item, tag.number);
        // The panel shows the label it edits as it now stands (after an undo too).
        if (currentLabel_.item == tag.item && currentLabel_.number == tag.number &&
            labelPanel_->isVisible())
            labelPanel_->followLabel(*model().tags().label(tag.item, tag.number));
    } else {
        syncImage(tag.item, tag.number);
    }
}

void TagEditor::syncTags(int item) {
    // Widgets whose record is gone (or whose item widget was replaced) go first.
    for (auto it = widgets_.begin(); it != widgets_.end();) {
        const auto [kind, owner, number] = it->first;
        if (owner == item && (!it->second || !model().tags().exists(TagKind(kind), item, number))) {
            if (it->second)
                it->second->deleteLater();
            it = widgets_.erase(it);
        } else {
            ++it;
        }
    }
    for (int j = 0; j <= TagTable::maxPerItem; ++j) {
        syncLabel(item, j);
        syncImage(item, j);
    }
}

void TagEditor::dropTags(int item) {
    for (int j = 0; j <= TagTable::maxPerItem; ++j) {
        removeWidget(TagKind::Label, item, j);
        removeWidget(TagKind::Image, item, j);
    }
    if (underPointer_.item == item)
        underPointer_ = TagRef();
    if (currentLabel_.item == item)
        labelPanel_->hide();
}

void TagEditor::followItemSize(int item) {
    if (underPointer_.item == item)
        followWithDeleteTagButton(underPointerKind_, item, underPointer_.number);
}

Picture TagEditor::pictureFor(const QString& fileName) {
    // A file gone from the folder leaves a new image empty, even if it was shown before.
    if (fileName.isEmpty() || !folder_ || !folder_->hasFile(fileName)) {
        pictures_.remove(fileName);
        return Picture();
    }
    const auto it = pictures_.constFind(fileName);
    if (it != pictures_.constEnd())
        return *it;
    const Picture picture = folder_->loadFile(fileName);
    if (!picture.isNull())
        pictures_.insert(fileName, picture);
    return picture;
}

void TagEditor::attachItem(BarcodeItemWidget* w) {
    const int item = w->index();
    connect(w->deleteTagButton(), &SkinButton::clicked, this, [this, item] { deleteTag(item); });
    hints_->attach(w->deleteTagButton(),
                   [this] { return TagTexts::deleteTagHint(underPointerKind_ == TagKind::Image); });
}

void TagEditor::hideDeleteTagButtons() {
    for (int k = 0; k <= model().items().highestInUse(); ++k)
        if (BarcodeItemWidget* w = editor_.itemWidget(k))
            w->deleteTagButton()->hide();
}

// ---------------------------------------------------------------- deleting

void TagEditor::deleteTag(int item) {
    if (underPointer_.item == item)
        editor_.document().removeTag({underPointerKind_, item, underPointer_.number});
    if (BarcodeItemWidget* w = editor_.itemWidget(item))
        w->deleteTagButton()->hide();
    editor_.closePanels();
}

// ---------------------------------------------------------------- pointer

std::optional<QRectF> TagEditor::tagRect(TagKind kind, int item, int number) const {
    if (kind == TagKind::Label) {
        if (const TextLabelItem* label = model().tags().label(item, number))
            return QRectF(label->left, label->top, label->width, label->height);
    } else if (const ImageItem* image = model().tags().image(item, number)) {
        return QRectF(image->left, image->top, image->width, image->height);
    }
    return std::nullopt;
}

void TagEditor::placeDeleteTagButton(SkinButton* button, const QRectF& tag, int item) {
    const QPointF at = TagPlacement::deleteTagButton(tag, model().items().at(item).width);
    button->move(screen::pixels(at.x()), screen::pixels(at.y()));
}

void TagEditor::showDeleteTagButton(TagKind kind, int item, int number) {
    BarcodeItemWidget* owner = editor_.itemWidget(item);
    const std::optional<QRectF> tag = tagRect(kind, item, number);
    if (!owner || !tag)
        return;
    underPointer_ = {item, number};
    underPointerKind_ = kind;
    SkinButton* button = owner->deleteTagButton();
    placeDeleteTagButton(button, *tag, item);
    button->show();
    button->raise();
}

void TagEditor::followWithDeleteTagButton(TagKind kind, int item, int number) {
    // A label that grows or shrinks with its caption keeps its delete-tag button at its end.
    if (underPointer_.item != item || underPointer_.number != number || underPointerKind_ != kind)
        return;
    BarcodeItemWidget* owner = editor_.itemWidget(item);
    const std::optional<QRectF> tag = tagRect(kind, item, number);
    if (owner && tag && owner->deleteTagButton()->isVisible())
        placeDeleteTagButton(owner->deleteTagButton(), *tag, item);
}

void TagEditor::closeForTagPress(bool labelPanelToo) {
    palette_->hide();
    editor_.editPanel()->hide();
    editor_.addPanel()->hide();
    editor_.itemMenu()->hide();
    if (labelPanelToo)
        labelPanel_->hide();
}

void TagEditor::tagPress(TagKind kind, int item, int number, Qt::MouseButton, QPointF at) {
    if (!model().tags().exists(kind, item, number))
        return;
    model().currentItem = std::int16_t(item);
    gesture_ = editor_.document().newGesture();
    if (kind == TagKind::Label) {
        currentLabel_ = {item, number};
        captionRun_ = editor_.document().newGesture();
        labelPanel_->showLabel(*model().tags().label(item, number));
        closeForTagPress(false);
        if (picturePanel_)
            picturePanel_->hide();
        model().pointer.press(at);
        if (item == 0) {
            labelPanel_->show();
            labelPanel_->raise();
            labelPanel_->captionBox()->setFocus();
            editor_.stackPanels();
        }
        return;
    }
    currentImage_ = {item, number};
    closeForTagPress(true);
    model().pointer.press(at);
    if (item == 0 && picturePanel_) {
        const ImageItem* image = model().tags().image(item, number);
        picturePanel_->open(picturePanel_->pos(), image->file);
        editor_.stackPanels();
    }
}

void TagEditor::tagDrag(TagKind kind, int item, int number, Qt::MouseButtons buttons, QPointF at) {
    if (!model().items().exists(item) || !model().tags().exists(kind, item, number))
        return;
    const bool simple = model().page().isSimpleLayout();
    const BarcodeItem& owner = model().items().at(item);
    const QSizeF itemSize(owner.width, owner.height);
    const bool drags = model().pointer.drags(buttons & Qt::LeftButton);
    TagWidget* w = widget(kind, item, number);
    const TagAddress address{kind, item, number};

    if (kind == TagKind::Label) {
        hint(TagTexts::labelHint(simple));
        if (!drags) {
            showDeleteTagButton(kind, item, number);
            return;
        }
        TextLabelItem label = *model().tags().label(item, number);
        if (TagDrag::move(label.left, label.top, QSizeF(label.width, label.height), itemSize,
                          model().pointer, at))
            editor_.document().changeTag(address, label, HistoryTexts::moveTag(false), gesture_);
        if (BarcodeItemWidget* ow = editor_.itemWidget(item))
            ow->deleteTagButton()->hide();
        return;
    }

    ImageItem image = *model().tags().image(item, number);
    if (w) {
        switch (TagDrag::zoneAt(image, at)) {
        case ImageGesture::ResizeRight:
            w->setCursor(Qt::SizeHorCursor);
            break;
        case ImageGesture::ResizeBottom:
            w->setCursor(Qt::SizeVerCursor);
            break;
        case ImageGesture::Move:
            w->setCursor(Qt::ArrowCursor);
            break;
        }
    }
    if (!drags) {
        hint(TagTexts::imageHint(simple));
        showDeleteTagButton(kind, item, number);
        return;
    }
    const ImageGesture gesture = TagDrag::imageGesture(image, model().pointer, at);
    const bool changed =
        gesture == ImageGesture::Move
            ? TagDrag::move(image.left, image.top, QSizeF(image.width, image.height), itemSize,
                            model().pointer, at)
            : TagDrag::resize(gesture, image, model().pointer, at);
    if (changed)
        editor_.document().changeTag(address, image,
                                     gesture == ImageGesture::Move ? HistoryTexts::moveTag(true)
                                                                   : HistoryTexts::resizeImage(),
                                     gesture_);
    if (BarcodeItemWidget* ow = editor_.itemWidget(item))
        ow->deleteTagButton()->hide();
}

void TagEditor::tagRelease() {
    model().pointer.release();
    gesture_ = 0;
}

void TagEditor::tagDoubleClick(TagKind kind, int item, int number) {
    if (!model().tags().exists(kind, item, number))
        return;
    if (kind == TagKind::Label) {
        currentLabel_ = {item, number};
        openLabelPanel();
    } else {
        currentImage_ = {item, number};
        openPicturePanel();
    }
}

QPoint TagEditor::belowItem(int item) const {
    const QPointF at =
        PanelPlacement::belowItem(model().items().at(item).rect(), editor_.pageOrigin());
    return {screen::pixels(at.x()), screen::pixels(at.y())};
}

void TagEditor::openLabelPanel() {
    const TextLabelItem* label = editedLabel();
    if (!label)
        return;
    captionRun_ = editor_.document().newGesture();
    labelPanel_->showLabel(*label);
    labelPanel_->move(belowItem(currentLabel_.item));
    labelPanel_->replaceBox()->clear();
    labelPanel_->show();
    labelPanel_->raise();
    labelPanel_->captionBox()->setFocus();
}

void TagEditor::openPicturePanel() {
    const ImageItem* image = model().tags().image(currentImage_.item, currentImage_.number);
    if (!picturePanel_ || !image || !model().items().exists(currentImage_.item))
        return;
    picturePanel_->open(belowItem(currentImage_.item), image->file);
}

void TagEditor::setPictureFolder(PictureFolder& folder) {
    folder_ = &folder;
    pictures_.clear();
    // A deleted file is no picture for the images made after it (format memory, layouts); those
    // already on the page keep theirs.
    folder.setDeletedHandler([this](const QString& name) { pictures_.remove(name); });
    if (!picturePanel_) {
        picturePanel_ = new PicturePanel(folder, editor_.services().messages, panelParent_);
        picturePanel_->setHintSink([this](const QString& text) { hint(text); });
        picturePanel_->setTakeHandler(
            [this](const PictureFolder::TakenPicture& taken) { takePicture(taken); });
        connect(picturePanel_->closeButton(), &SkinButton::clicked, this,
                [this] { editor_.closePanel(FloatingPanel::Pictures); });
        hints_->attach(picturePanel_->closeButton(), [] { return TagTexts::closeButtonHint(); });
        hints_->attach(picturePanel_->takeButton(), [] { return TagTexts::takePictureHint(); });
        hints_->attach(picturePanel_->deleteButton(), [] { return TagTexts::deletePictureHint(); });
    }
}

void TagEditor::takePicture(const PictureFolder::TakenPicture& taken) {
    const ImageItem* current = model().tags().image(currentImage_.item, currentImage_.number);
    if (!current)
        return;
    // A picture larger than its item comes in scaled down to fit, so that it does not cover the
    // bars at its natural size.
    const BarcodeItem& owner = model().items().at(currentImage_.item);
    const QRectF placed = TagPlacement::fitPicture(
        QPointF(current->left, current->top), taken.sizeTwips, QSizeF(owner.width, owner.height));
    ImageItem image = *current;
    image.file = taken.fileName;
    image.picture = taken.picture;
    image.left = float(placed.left());
    image.top = float(placed.top());
    image.width = float(placed.width());
    image.height = float(placed.height());
    pictures_.insert(taken.fileName, taken.picture);
    editor_.document().changeTag({TagKind::Image, currentImage_.item, currentImage_.number}, image,
                                 HistoryTexts::changePicture());
}

// ---------------------------------------------------------------- text label panel

void TagEditor::setFonts(const QStringList& screenFonts) {
    labelPanel_->setFonts(screenFonts);
}

const TextLabelItem* TagEditor::editedLabel() const {
    if (!currentLabel_.isSet() || !model().items().exists(currentLabel_.item))
        return nullptr;
    return model().tags().label(currentLabel_.item, currentLabel_.number);
}

void TagEditor::editLabel(const std::function<void(TextLabelItem&)>& change, std::uint64_t run) {
    if (labelPanel_->isFilling())
        return;
    const TextLabelItem* current = editedLabel();
    if (!current)
        return;
    TextLabelItem label = *current;
    change(label);
    label.fitToCaption();
    editor_.document().changeTag({TagKind::Label, currentLabel_.item, currentLabel_.number}, label,
                                 HistoryTexts::changeLabel(), run);
}

void TagEditor::replaceAll() {
    editor_.document().replaceCaptions(labelPanel_->captionBox()->text(),
                                       labelPanel_->replaceBox()->text());
    editor_.services().system.beep();
    labelPanel_->hide();
}

void TagEditor::connectLabelPanel() {
    TextLabelPanel* panel = labelPanel_;
    // Only what the user types is an edit; the panel showing a label's caption is none.
    connect(panel->captionBox(), &QLineEdit::textEdited, this, [this](const QString& text) {
        editLabel([&text](TextLabelItem& l) { l.caption = text; }, captionRun_);
    });
    connect(panel->fontList(), &QComboBox::activated, this, [this, panel](int row) {
        const QString name = panel->fontList()->itemText(row);
        editLabel([&name](TextLabelItem& l) { l.fontName = name; });
    });
    auto setSize = [this, panel] {
        const double size = panel->sizeList()->currentText().toDouble();
        if (size > 0)
            editLabel([size](TextLabelItem& l) { l.fontSize = float(size); });
    };
    connect(panel->sizeList(), &QComboBox::activated, this, setSize);
    connect(panel, &TextLabelPanel::sizeEntered, this, setSize);
    connect(panel, &TextLabelPanel::confirmed, this,
            [this] { editor_.closePanel(FloatingPanel::TextLabel); });
    connect(panel, &TextLabelPanel::replaceConfirmed, this, &TagEditor::replaceAll);
    for (int style = 0; style < 3; ++style) {
        connect(panel->styleBox(style), &SkinButton::toggled, this, [this, style](bool on) {
            editLabel([style, on](TextLabelItem& l) {
                (style == 0 ? l.bold : style == 1 ? l.italic : l.underline) = on;
            });
        });
    }
    auto openPalette = [this, panel](SkinButton* button) {
        const QRect opener(button->mapTo(panelParent_, QPoint(0, 0)), button->size());
        palette_->open(
            opener, ColourPalette::textColourTitle(), [this, panel](const QColor& colour) {
                if (!editedLabel())
                    return;
                panel->setSwatchColour(colour);
                editLabel([colour](TextLabelItem& l) { l.foreColour = colour.rgb() & 0xFFFFFF; });
            });
    };
    connect(panel->colourButton(), &SkinButton::clicked, this,
            [panel, openPalette] { openPalette(panel->colourButton()); });
    connect(panel->swatchButton(), &SkinButton::clicked, this,
            [panel, openPalette] { openPalette(panel->swatchButton()); });
    connect(panel->replaceButton(), &SkinButton::clicked, this, &TagEditor::replaceAll);
    connect(panel->closeButton(), &SkinButton::clicked, this,
            [this] { editor_.closePanel(FloatingPanel::TextLabel); });

    hints_->attach(panel->captionBox(), [] { return TagTexts::captionBoxHint(); });
    const QString styleHints[3] = {TagTexts::boldHint(), TagTexts::italicHint(),
                                   TagTexts::underlineHint()};
    for (int style = 0; style < 3; ++style) {
        const QString hint = styleHints[style];
        hints_->attach(panel->styleBox(style), [hint] { return hint; });
        hints_->attach(panel->styleButton(style), [hint] { return hint; });
    }
    hints_->attach(panel->colourButton(), [] { return TagTexts::colourHint(); });
    hints_->attach(panel->swatchButton(), [] { return TagTexts::colourHint(); });
    hints_->attach(panel->replaceBox(), [] { return TagTexts::replaceAllHint(); });
    hints_->attach(panel->replaceButton(), [] { return TagTexts::replaceButtonHint(); });
    hints_->attach(panel->fontList(), [] { return TagTexts::fontListHint(); });
    hints_->attach(panel->sizeList(), [] { return TagTexts::sizeListHint(); });
    hints_->attach(panel->closeButton(), [] { return TagTexts::closeButtonHint(); });
}

} // namespace brevmark
