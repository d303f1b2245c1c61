#pragma once

#include "page/FormatBrowser.h"
#include "page/FormatSaver.h"
#include "page/LayoutLibrary.h"

#include <QObject>
#include <QPointF>
#include <QSizeF>
#include <functional>
#include <optional>

class QWidget;

namespace brevmark {

class FormatRecordPanel;
class HintFilter;
class LayoutPanel;
class PageEditor;
class SaveFormatPanel;

// The barcode format panels and the layout panel on the page editor: the format record panel
// `條碼讀取窗` (browse, preview on item 999, take, delete), the save-format panel `條碼儲存窗` and
// the layout panel `開啟記錄窗`. The file rules are in FormatBrowser, FormatSaver and
// LayoutLibrary; this class joins them to the page editor and keeps the panels in step. What it
// adds to the page or applies to an item is a step of the page history.
class FormatPanels : public QObject {
    Q_OBJECT
public:
    FormatPanels(PageEditor& editor, QWidget* panelParent, QObject* parent = nullptr);
    ~FormatPanels() override;

    FormatRecordPanel* recordPanel() const { return recordPanel_; }
    SaveFormatPanel* savePanel() const { return savePanel_; }
    LayoutPanel* layoutPanel() const { return layoutPanel_; }
    const FormatBrowser& browser() const { return browser_; }
    const LayoutLibrary& layouts() const { return layouts_; }

    // --- barcode formats ---
    // Opens the format record panel at a point (twips of the panels' parent): from an item's
    // menu to apply a format to that item, or from the add-barcode panel to add items.
    void openFormatRecordPanel(QPointF topLeft, FormatBrowser::TakeMode mode, int targetItem);
    // Opens the save-format panel for an item, with its category and name in the boxes.
    void openSaveFormatPanel(int item);
    // `寫入清單讀取`: fills the category list and the save panel's category box from the file.
    void listCategories();
    void chooseCategory(const QString& category);
    void filterNames(const QString& prefix);
    // Loads the format into the format memory and shows it on the preview item 999.
    void previewFormat(const QString& name);
    // `載入排版`: applies the memory to the target item, or adds items from it.
    void takeFormat();
    // `刪除`: asks, then deletes the chosen format.
    void deleteFormat();
    // `儲存排列`: stores the remembered item as a format; false when nothing was stored.
    bool saveFormat();

    // --- layouts ---
    // The toolbar's `排版按鈕`: closes the panels and opens the layout panel near the button.
    void openLayoutPanel(double buttonLeftTwips);
    // `載入排版檔案`: refills the layout list from the records folder.
    void listLayouts();
    void chooseLayout(int row);
    // `儲存排版`: every item of the page under the name in the name box.
    bool saveLayout();
    // `取用排版`: adds the chosen layout's items to the page at their saved positions, each once
    // (whatever the copy count says), as one step; returns the number of items added.
    int takeLayout();
    // `刪除排版`: asks, then deletes the chosen layout.
    void deleteLayout();

signals:
    // A prompt notice after a change of the format or layout files.
    void noticeRequested(int notice);
    // A format was applied in the simple layout: the layout switch runs again.
    void simpleLayoutRequested();

private:
    void connectPanels();
    // Every item of the page with its place and format records, for a layout save.
    Layout captureLayout();
    void showBrowser();
    void showLayouts();
    std::optional<QSizeF> previewSize() const;
    void notice(int number);

    PageEditor& editor_;
    FormatBrowser browser_;
    FormatSaver saver_;
    LayoutLibrary layouts_;
    FormatRecordPanel* recordPanel_;
    SaveFormatPanel* savePanel_;
    LayoutPanel* layoutPanel_;
    HintFilter* hints_;
    int targetItem_ = -1;
};

} // namespace brevmark
