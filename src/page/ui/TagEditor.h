#pragma once

#include "page/PictureFolder.h"
#include "page/PlacedItem.h"
#include "page/TagTable.h"

#include <QHash>
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QRectF>
#include <cstdint>
#include <map>
#include <optional>
#include <tuple>

class QWidget;

namespace brevmark {

class BarcodeItemWidget;
class ColourPalette;
class HintFilter;
class ImageItemWidget;
class PageEditor;
class PageModel;
class PicturePanel;
class SkinButton;
class TagWidget;
class TextLabelPanel;
class TextLabelWidget;

// The text labels and images of the barcode items: dragging them, resizing images, the
// delete-tag button, the text label panel `標籤修改區` with its replace-all, and the picture panel
// `圖片讀取窗` giving pictures to images. Every change is a step of the page history; the tags'
// widgets follow the page model's notices.
class TagEditor : public QObject {
    Q_OBJECT
public:
    struct TagRef {
        int item = -1;
        int number = 0;
        bool isSet() const { return item >= 0; }
    };

    TagEditor(PageEditor& editor, QWidget* panelParent, ColourPalette* palette, HintFilter* hints);
    ~TagEditor() override;

    TextLabelPanel* labelPanel() const { return labelPanel_; }
    // Null until a pictures folder is given.
    PicturePanel* picturePanel() const { return picturePanel_; }
    // Creates the picture panel over the folder (filled by start-up).
    void setPictureFolder(PictureFolder& folder);
    // The font list `字型`: the screen fonts, without the "@" names.
    void setFonts(const QStringList& screenFonts);

    // --- following the page model ---
    // Makes the widgets of an item's tags match the model (a new item, a format applied).
    void syncTags(int item);
    // The item is gone: its tags' widgets go with it.
    void dropTags(int item);
    // The item was resized: the delete-tag button keeps its place at the item's edge.
    void followItemSize(int item);

    // --- operations ---
    // Removes the label or image under the pointer of the item, hides the delete-tag button and
    // closes the floating panels.
    void deleteTag(int item);
    // Replace all `確定修改`: every label of the page whose caption equals the caption box's text
    // gets the replacement text; then a beep and the panel closes.
    void replaceAll();
    void openLabelPanel();
    void openPicturePanel();
    // The picture of a file of the pictures folder, kept for the images made from it; null when
    // the folder holds no readable picture of that name.
    Picture pictureFor(const QString& fileName);
    // Hides every delete-tag button (the pointer left the tags).
    void hideDeleteTagButtons();
    // Called for every new barcode item widget.
    void attachItem(BarcodeItemWidget* widget);

    TagRef currentLabel() const { return currentLabel_; }
    TagRef currentImage() const { return currentImage_; }
    TagRef underPointer() const { return underPointer_; }
    TagKind underPointerKind() const { return underPointerKind_; }
    TextLabelWidget* labelWidget(int item, int number) const;
    ImageItemWidget* imageWidget(int item, int number) const;

    // --- pointer, positions in tag twips ---
    void tagPress(TagKind kind, int item, int number, Qt::MouseButton button, QPointF at);
    void tagDrag(TagKind kind, int item, int number, Qt::MouseButtons buttons, QPointF at);
    void tagRelease();
    void tagDoubleClick(TagKind kind, int item, int number);

private:
    using Key = std::tuple<int, int, int>; // kind, item, number

    PageModel& model() const;
    void followTag(const TagAddress& tag);
    TagWidget* widget(TagKind kind, int item, int number) const;
    void createWidget(TagKind kind, int item, int number);
    void removeWidget(TagKind kind, int item, int number);
    void syncLabel(int item, int number);
    void syncImage(int item, int number);
    const TextLabelItem* editedLabel() const;
    // A change of the current label from the text label panel; `run` merges a typing run.
    void editLabel(const std::function<void(TextLabelItem&)>& change, std::uint64_t run = 0);
    void takePicture(const PictureFolder::TakenPicture& taken);
    std::optional<QRectF> tagRect(TagKind kind, int item, int number) const;
    void placeDeleteTagButton(SkinButton* button, const QRectF& tag, int item);
    void showDeleteTagButton(TagKind kind, int item, int number);
    void followWithDeleteTagButton(TagKind kind, int item, int number);
    void closeForTagPress(bool labelPanelToo);
    QPoint belowItem(int item) const;
    void connectLabelPanel();
    void hint(const QString& text) const;

    PageEditor& editor_;
    QWidget* panelParent_;
    ColourPalette* palette_;
    HintFilter* hints_;
    TextLabelPanel* labelPanel_;
    PicturePanel* picturePanel_ = nullptr;
    PictureFolder* folder_ = nullptr;
    QHash<QString, Picture> pictures_;
    std::map<Key, QPointer<TagWidget>> widgets_;
    TagRef currentLabel_;
    TagRef currentImage_;
    TagRef underPointer_;
    TagKind underPointerKind_ = TagKind::Label;
    // The drag going on, and the typing run of the caption box; their steps merge into one.
    std::uint64_t gesture_ = 0;
    std::uint64_t captionRun_ = 0;
};

} // namespace brevmark
