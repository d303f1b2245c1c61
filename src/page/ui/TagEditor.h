#pragma once

#include "page/PictureFolder.h"
#include "page/TagTable.h"

#include <QHash>
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QRectF>
#include <map>
#include <optional>
#include <tuple>

class QWidget;

namespace brevmark {

class BarcodeItemWidget;
class ColourPalette;
class EditorHost;
class HintFilter;
class ImageItemWidget;
class PageEditor;
class PicturePanel;
class SkinButton;
class TagWidget;
class TextLabelPanel;
class TextLabelWidget;
struct PageModel;

// The text labels and images of the barcode items: adding them at the context menu's point,
// dragging, resizing images, the delete-tag button, the text label panel `標籤修改區` with its
// replace-all, and the picture panel `圖片讀取窗` giving pictures to images. The records live in
// the page model's tag table; this class keeps the widgets in step with them.
class TagEditor : public QObject {
    Q_OBJECT
public:
    struct TagRef {
        int item = -1;
        int number = 0;
        bool isSet() const { return item >= 0; }
    };

    TagEditor(PageEditor& editor, PageModel& model, EditorHost& host, QWidget* panelParent,
              ColourPalette* palette, HintFilter* hints);
    ~TagEditor() override;

    TextLabelPanel* labelPanel() const { return labelPanel_; }
    // Null until a pictures folder is given.
    PicturePanel* picturePanel() const { return picturePanel_; }
    // Creates the picture panel over the folder (filled by start-up).
    void setPictureFolder(PictureFolder& folder);
    // The font list `字型`: the screen fonts, without the "@" names.
    void setFonts(const QStringList& screenFonts);

    // --- operations ---
    // A new label or image with the defaults at a point of barcode item `item` (item twips);
    // nothing when all 50 are used.
    std::optional<int> addLabel(int item, QPointF at);
    std::optional<int> addImage(int item, QPointF at);
    // Removes the label or image under the pointer of the item, hides the delete-tag button and
    // closes the floating panels.
    void deleteTag(int item);
    // `刪除所有標籤`: every label and image of the item, records and widgets.
    void deleteAllTags(int item);
    // Makes the widgets of an item's tags match the records (after a format was applied, a
    // caption cleaned, an item widget re-created).
    void syncTags(int item);
    // Replace all `確定修改`: every label of the page whose caption equals the caption box's text
    // gets the replacement text; then a beep and the panel closes.
    void replaceAll();
    void openLabelPanel();
    void openPicturePanel();
    // For the format memory: true (and the picture kept for the widgets) when the folder holds a
    // readable picture of that name.
    bool pictureUsable(const QString& fileName);
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

    TagWidget* widget(TagKind kind, int item, int number) const;
    void createWidget(TagKind kind, int item, int number);
    void removeWidget(TagKind kind, int item, int number);
    void syncLabel(int item, int number);
    void syncImage(int item, int number);
    TextLabelItem* editedLabel();
    void editLabel(const std::function<void(TextLabelItem&)>& change);
    Picture pictureOf(const QString& fileName);
    void takePicture(const PictureFolder::TakenPicture& taken);
    std::optional<QRectF> tagRect(TagKind kind, int item, int number) const;
    void placeDeleteTagButton(SkinButton* button, const QRectF& tag, int item);
    void showDeleteTagButton(TagKind kind, int item, int number);
    void followWithDeleteTagButton(TagKind kind, int item, int number);
    void closeForTagPress(bool labelPanelToo);
    QPoint belowItem(int item) const;
    void connectLabelPanel();

    PageEditor& editor_;
    PageModel& model_;
    EditorHost& host_;
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
};

} // namespace brevmark
