#pragma once

#include "common/Fixed4.h"

#include <QPointF>
#include <QString>

namespace brevmark {

class MessageBoxes;

// What the page editor needs of the main window around it. Positions are twips of the main
// window's client area (the panels' parent).
class EditorHost {
public:
    virtual ~EditorHost() = default;

    // Sets the hint line `說明提示`.
    virtual void setHint(const QString& text) = 0;
    // `關閉功能窗`: hides the editor's floating panels.
    virtual void closePanels() = 0;
    // `功能窗排列`: stacks the panels of the simple layout.
    virtual void stackPanels() = 0;
    // Press on a panel's close button `關閉窗` k (the barcode edit panel's is 1).
    virtual void closePanelButton(int index) = 0;
    virtual MessageBoxes& messages() = 0;
    // Setting `印表裝置` is "1".
    virtual bool isLabelPrinter() const = 0;
    virtual Fixed4 printResolution() const = 0;
    // The barcode record file 條碼檔.zip and the format record file 排版記錄.zip exist.
    virtual bool recordFileExists() const = 0;
    virtual bool formatRecordFileExists() const = 0;
    // The system beep (replace all ends with one).
    virtual void beep() {}
    // Writes one key of the settings store at once (`列印排列` on every key release in the
    // arrangement boxes).
    virtual void storeSetting(const QString& /*key*/, const QString& /*value*/) {}
    // Context menu entries 3 and 4: the format record panel `條碼讀取窗` at the menu's top-left
    // corner, and the save-format panel `條碼儲存窗`.
    virtual void openFormatRecordPanel(QPointF /*topLeft*/) {}
    virtual void openSaveFormatPanel() {}

    // Gestures handled elsewhere; the default does nothing.
    virtual void addFromFormatRecord(QPointF /*panelTopLeft*/) {}
    virtual void openRecordLoadPanel(QPointF /*topLeft*/) {}
    // Told after the page editor has deleted the text labels and images of an item index.
    virtual void deleteItemLabels(int /*index*/) {}
    // The alignment-guide handle is hidden by every paper adjust.
    virtual void hideAlignmentHandle() {}
    // The arrangement panel's label alignment button `標籤對齊按鈕`: the alignment window.
    virtual void openAlignmentWindow() {}
};

} // namespace brevmark
