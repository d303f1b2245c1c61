#pragma once

#include "page/FloatingPanel.h"
#include "page/FormatMemory.h"
#include "page/ItemDrag.h"
#include "page/PageDocument.h"
#include "page/ui/EditorServices.h"
#include "page/ui/FloatingPanels.h"

#include <QObject>
#include <QPointer>
#include <optional>
#include <vector>

class QAction;
class QScrollBar;
class QWidget;

namespace brevmark {

class AddBarcodePanel;
class ArrangementPanel;
class BarcodeEditPanel;
class BarcodeItemWidget;
class ColourPalette;
class DrawingSurface;
class FormatPanels;
class GuideWidget;
class HintFilter;
class ItemMenu;
class PageWidget;
class PaperPanel;
class PictureFolder;
class PrintQuantityPanel;
class TagEditor;
class TextBoxUndo;
enum class ItemMenuEntry;

// The label page editor: the page `列印範圍` inside the page viewport `新增載入窗`, its barcode
// items with their text labels and images, and the panels that edit them (`紙張設定窗`,
// `增加條碼窗`, `條碼輸入區`, `色彩選項`, `功能選項`, `標籤修改區`, `圖片讀取窗`, `自動排列窗`,
// `列印數量窗`, the format and layout panels), which live in the main window's client area.
//
// Pointer and control events become edits of the page document, each a step of the page history
// (Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z anywhere in the window). The widgets follow the page model's
// notices: whatever changed the page (an edit, an undo, a layout taken), the items' widgets and
// the open panels show it.
class PageEditor : public QObject {
    Q_OBJECT
public:
    PageEditor(QWidget* viewport, QWidget* panelParent, EditorServices services,
               QObject* parent = nullptr);
    ~PageEditor() override;

    PageDocument& document() { return *document_; }
    PageModel& model() { return document_->model(); }
    const PageModel& model() const { return document_->model(); }
    const EditorServices& services() const { return services_; }

    // --- the page history ---
    // Takes back the last page edit, or does the last one taken back again; the hint line names
    // it, or says that there is nothing to take back or do again.
    void undo();
    void redo();
    QAction* undoAction() const { return undoAction_; }
    QAction* redoAction() const { return redoAction_; }

    // --- the sheet ---
    // `紙張調整`: size the page from its paper and orientation and place it in the viewport.
    void paperAdjust();
    void selectPaperSize(PaperSize paper);
    void setOrientation(int index);
    // The paper settings button `紙張設定`: closes the panels, opens the paper panel.
    void openPaperPanel(double buttonLeftTwips);

    // --- the main window's layouts ---
    void setLayoutMode(LayoutMode mode);
    // The simple layout: item 0 opened in the edit panel, alone on a page of its size at
    // (120, 120) of the viewport, the edit and print quantity panels stacked below it.
    void enterSimpleLayout(double viewportTop);
    // The professional layout: item 0 hidden, the whole page with its border.
    void enterProfessionalLayout();
    void hidePage();
    // Moves and sizes the page directly (the simple layout puts it around item 0).
    void setPageRect(const QRectF& rectTwips);
    // Shows the simple layout's item 0 at the page's top-left corner, in front.
    void showSimpleItemAtOrigin();
    // Item 0 hides while the simple print runs and comes back afterwards.
    void setSimpleItemVisible(bool visible);
    // After the simple print: the edit panel again, its barcode text selected.
    void refocusBarcodeEntry();

    // --- panels ---
    // `關閉功能窗`: hides the floating panels.
    void closePanels();
    // `功能窗排列`: stacks the shown panels of the simple layout under the page.
    void stackPanels();
    // A panel's close button `關閉窗`: in the simple layout that panel goes and the rest are
    // stacked again; in the professional layout every panel closes.
    void closePanel(FloatingPanel panel);
    // Escape: closes the colour palette, the context menu or the add-barcode panel when one is
    // open, else the floating panels (professional layout) or the panel holding the focus
    // (simple layout, whose edit and print quantity panels stay).
    void closeFrontPanel();

    // --- barcode items ---
    // The item-open gesture: shows an item in the barcode edit panel, just below it.
    void openItem(int index);
    // `繪制條碼`: moves the selection frame to the item and draws its symbol anew.
    void redrawItem(int index);
    // `空白預設按鈕`: removes every page item, one step of the history.
    void clearPage();
    // Adds a blank item where the add-barcode panel lies over the page; nothing (and a message)
    // when all 245 indexes are taken.
    std::optional<int> addBlankItem();
    void deleteItem(int index);
    // Opens the add-barcode panel at a pointer position (twips of the panels' parent).
    void openAddBarcodePanel(QPointF pointer);
    // A barcode picked in the record-load panel goes into the edited item.
    void takeBarcode(const QString& barcode);
    // Shows the format panel's preview item 999, filled from the format memory, in a widget of
    // that panel.
    BarcodeItemWidget* showPreviewItem(QWidget* area);

    // --- text labels, images and the format memory ---
    // Start-up: the pictures folder behind the picture panel and the image items, and the screen
    // fonts for the text label panel's font list ("@" names are left out).
    void setPictureFolder(PictureFolder& folder);
    void setFonts(const QStringList& screenFonts);
    // `寫入貼上記憶`: replaces the format memory with item `index` (cleaning its captions).
    void captureFormat(int index);
    FormatMemory& formatMemory() { return memory_; }
    FormatPanels& formats() { return *formats_; }
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
    void chooseMenuEntry(ItemMenuEntry entry, int index);

    // --- arrangement and quantities ---
    // The arrangement button `條碼排列鈕`: closes the panels, opens the arrangement panel.
    void openArrangementPanel(double buttonLeftTwips);
    // Arranges with mode 0, 1 or 2 and remembers the mode; false when the page overflowed.
    bool arrange(int mode);
    // Writes `列印排列` and re-arranges with the remembered mode (none before the first press).
    void saveArrangementSettings();
    // Start-up: the stored `列印排列` into the four boxes.
    void restoreArrangement(const ArrangementSettings& settings);

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

signals:
    // A double click in the barcode text box while the record file exists: the record-load
    // panel `條碼載入窗` at a corner (twips of the panels' parent).
    void recordLoadPanelRequested(QPointF topLeft);
    // The arrangement panel's label alignment button `標籤對齊按鈕`.
    void alignmentWindowRequested();
    // Every paper adjust hides the alignment guide's handle.
    void paperAdjusted();
    // A prompt notice after a change of the format or layout files.
    void noticeRequested(int notice);
    // After a format was applied in the simple layout, the layout switch runs again.
    void simpleLayoutRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Followers of the page model.
    void followInsertedItems(const QList<int>& indexes);
    void followRemovedItems(const QList<int>& indexes);
    void followItem(int index, ItemAspects what);
    void followPaper();

    void connectEditPanel();
    void connectPaperPanel();
    void connectLayoutPanels();
    void createHistoryActions();
    void attachHints();
    BarcodeItemWidget* createItemWidget(int index, QWidget* parent);
    void syncItemWidget(int index);
    void removeItemWidget(int index);
    void syncPage();
    // The edited item when it still exists; nothing otherwise, so that edits never reach a
    // deleted item.
    const BarcodeItem* editedItem() const;
    // A change of the edited item's look, one step of the history.
    void changeLook(const std::function<void(ItemLook&)>& change);
    void showSelectionFrame(int index);
    void showMatchLine(int index, ItemGesture gesture);
    QPointF viewportOrigin() const;
    bool recordFileExists() const;
    bool formatRecordFileExists() const;
    bool isLabelPrinter() const;
    void hint(const QString& text) const;

    QWidget* viewport_;
    QWidget* panelParent_;
    FloatingPanels panels_;
    EditorServices services_;
    PageDocument* document_;
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
    FormatPanels* formats_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    TextBoxUndo* textBoxUndo_ = nullptr;
    FormatMemory memory_;
    QPointF menuTopLeft_; // twips of the panels' parent
    QPointer<QWidget> previewArea_;
    std::vector<QPointer<BarcodeItemWidget>> widgets_;
    // The drag now going on; its steps merge into one.
    std::uint64_t gesture_ = 0;
};

} // namespace brevmark
