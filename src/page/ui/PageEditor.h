#pragma once

#include "page/FormatMemory.h"
#include "page/ItemDrag.h"
#include "page/PageModel.h"
#include "page/ui/EditorHost.h"
#include "page/ui/FloatingPanels.h"
#include "symbology/EditedBarcode.h"

#include <QObject>
#include <QPointer>
#include <optional>
#include <vector>

class QScrollBar;
class QWidget;

namespace brevmark {

class AddBarcodePanel;
class ArrangementPanel;
class BarcodeEditPanel;
class BarcodeItemWidget;
class ColourPalette;
class DrawingSurface;
class GuideWidget;
class HintFilter;
class ItemMenu;
class PageWidget;
class PaperPanel;
class PictureFolder;
class PrintQuantityPanel;
class TagEditor;

// The label page editor: the page `列印範圍` inside the page viewport `新增載入窗`, its barcode
// items with their text labels and images, and the panels that edit them (`紙張設定窗`,
// `增加條碼窗`, `條碼輸入區`, `色彩選項`, `功能選項`, `標籤修改區`, `圖片讀取窗`, `自動排列窗`,
// `列印數量窗`), which live in the main window's client area. The rules are in the model classes;
// this class turns pointer and control events into them and keeps the widgets in step.
class PageEditor : public QObject, private EditedBarcode {
    Q_OBJECT
public:
    PageEditor(QWidget* viewport, QWidget* panelParent, EditorHost& host,
               QObject* parent = nullptr);
    ~PageEditor() override;

    PageModel& model() { return model_; }
    const PageModel& model() const { return model_; }

    // --- public operations ---
    // `紙張調整`: size the page from its paper and orientation and place it in the viewport.
    void paperAdjust();
    void selectPaperSize(PaperSize paper);
    void setOrientation(int index);
    // The paper settings button `紙張設定`: closes the panels, opens the paper panel.
    void openPaperPanel(double buttonLeftTwips);
    // The item-open gesture: shows an item in the barcode edit panel, just below it.
    void openItem(int index);
    // `繪制條碼`: moves the selection frame to the item and draws its symbol anew.
    void redrawItem(int index);
    // `空白預設按鈕`: removes every page item; the barcode edit panel closes with them.
    void clearPage();
    // The clear button's click: a page that holds items is cleared once the user agrees (any
    // answer but No); an empty page is cleared without a question. False when nothing was done.
    bool askAndClearPage();
    // Adds a blank item where the add-barcode panel lies over the page; nothing (and a message)
    // when all 245 indexes are taken.
    std::optional<int> addBlankItem();
    void deleteItem(int index);
    // Opens the add-barcode panel at a pointer position (twips of the panels' parent).
    void openAddBarcodePanel(QPointF pointer);
    void setLayoutTag(const QString& tag);
    // Moves and sizes the page directly (the simple layout puts it around item 0).
    void setPageRect(const QRectF& rectTwips);
    // Puts a complete item at an index (layout loading, copies) and draws it.
    void putItem(int index, const BarcodeItem& item);
    // Shows the simple layout's item 0 at the page's top-left corner, drawn anew and in front.
    void showSimpleItemAtOrigin();
    // Creates the format panel's preview item 999 inside a widget of that panel.
    BarcodeItemWidget* createPreviewItem(QWidget* parent);

    // --- text labels, images and the format memory ---
    // Start-up: the pictures folder behind the picture panel and the image items, and the screen
    // fonts for the text label panel's font list ("@" names are left out).
    void setPictureFolder(PictureFolder& folder);
    void setFonts(const QStringList& screenFonts);
    // `刪除所有標籤`: removes every text label and image of an item.
    void deleteAllTags(int index);
    // `寫入貼上記憶`: replaces the format memory with item `index` (cleaning its captions).
    void captureFormat(int index);
    // `貼上條碼格式`: applies the whole memory to an existing item and shows its new labels and
    // images; the caller redraws the item (redrawItem).
    void applyFormat(int index);
    FormatMemory& formatMemory() { return memory_; }
    // Add copies: as many items as the copy count says, each filled from the memory, starting at
    // the add-barcode panel's corner. Returns the number made.
    int addCopies();
    // Fill the sheet: one item per box, each filled from the memory, at the box's top-left corner
    // and of the box's size. Stops when the page is full; returns the number made.
    int addCopiesInto(const QList<QRectF>& boxes);
    // Opens the context menu of an item at a pointer position (twips of the panels' parent).
    void openItemMenu(int index, QPointF pointer);
    // The point of the item where a label or image added from the open menu goes (item twips).
    QPointF menuPointInItem() const;

    // --- arrangement and quantities ---
    // The arrangement button `條碼排列鈕`: closes the panels, opens the arrangement panel.
    void openArrangementPanel(double buttonLeftTwips);
    // Arranges with mode 0, 1 or 2 and remembers the mode; false when the page overflowed.
    bool arrange(int mode);
    // Writes `列印排列` and re-arranges with the remembered mode (none before the first press).
    void saveArrangementSettings();
    // Start-up: the stored `列印排列` parts into the four boxes (only when there are four).
    void restoreArrangement(const QStringList& parts);

    // --- pointer operations, positions in twips of the element ---
    void pagePress(Qt::MouseButton button, QPointF at);
    void pageDrag(Qt::MouseButtons buttons, QPointF at);
    void pageRelease(Qt::MouseButton button, QPointF at);
    void itemPress(int index, Qt::MouseButton button, QPointF at);
    void itemDrag(int index, Qt::MouseButtons buttons, QPointF at);
    void itemRelease(int index, Qt::MouseButton button, QPointF at);
    void itemDoubleClick(int index);
    void symbolHandlePress(int index, Qt::MouseButton button, QPointF at);
    void symbolHandleDrag(int index, Qt::MouseButtons buttons, QPointF at);
    void symbolHandleRelease(int index);

    // --- widgets ---
    PageWidget* pageWidget() const { return pageWidget_; }
    BarcodeItemWidget* itemWidget(int index) const;
    BarcodeEditPanel* editPanel() const { return editPanel_; }
    PaperPanel* paperPanel() const { return paperPanel_; }
    AddBarcodePanel* addPanel() const { return addPanel_; }
    ColourPalette* palette() const { return palette_; }
    ItemMenu* itemMenu() const { return menu_; }
    TagEditor* tags() const { return tags_; }
    ArrangementPanel* arrangementPanel() const { return arrangementPanel_; }
    PrintQuantityPanel* quantityPanel() const { return quantityPanel_; }
    // The page's top-left corner in twips of the panels' parent.
    QPointF pageOrigin() const;
    GuideWidget* selectionFrame() const { return selectionFrame_; }
    GuideWidget* matchLine() const { return matchLine_; }
    // Lines drawn on the page itself (alignment guides).
    DrawingSurface& overlay();

    // Escape: closes the colour palette, the context menu or the add-barcode panel when one is
    // open, else the floating panels (professional layout) or the panel holding the focus
    // (simple layout, whose edit and print quantity panels stay).
    void closeFrontPanel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // EditedBarcode: the edited item as the text box's change rule sees it.
    void setBarcodeText(const QString& text) override;
    void setSymbolHandleVisible(bool visible) override;
    void redrawBarcode() override;
    void clearBarcodeDrawing() override;

    void connectEditPanel();
    void connectPaperPanel();
    void attachHints();
    BarcodeItemWidget* createItemWidget(int index, QWidget* parent);
    void syncItemWidget(int index);
    // A new item at the point, filled from the memory (and given `size` when there is one);
    // nothing when the page is full.
    std::optional<int> addCopyAt(QPointF topLeft, std::optional<QSizeF> size = std::nullopt);
    void removeItemWidget(int index);
    void syncPage();
    // The edited item when it still exists; nothing otherwise, so that edits never reach a
    // deleted item.
    BarcodeItem* editedItem();
    void editAndRedraw(const std::function<void(BarcodeItem&)>& change, bool redraw = true);
    void showSelectionFrame(int index);
    QPointF viewportOrigin() const;
    void menuChosen(int entry, int index);
    void connectLayoutPanels();

    QWidget* viewport_;
    QWidget* panelParent_;
    FloatingPanels panels_;
    EditorHost& host_;
    PageModel model_;
    PageWidget* pageWidget_;
    GuideWidget* selectionFrame_;
    GuideWidget* matchLine_;
    QScrollBar* verticalBar_;
    QScrollBar* horizontalBar_;
    BarcodeEditPanel* editPanel_;
    PaperPanel* paperPanel_;
    AddBarcodePanel* addPanel_;
    ColourPalette* palette_;
    HintFilter* hints_;
    ItemMenu* menu_;
    ArrangementPanel* arrangementPanel_;
    PrintQuantityPanel* quantityPanel_;
    TagEditor* tags_ = nullptr;
    FormatMemory memory_;
    QPointF menuTopLeft_; // twips of the panels' parent
    std::vector<QPointer<BarcodeItemWidget>> widgets_;
};

} // namespace brevmark
