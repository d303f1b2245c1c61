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
    // Records held by the format memory (0 hides the add-copies button).
    virtual int formatMemoryCount() const { return 0; }

    // Gestures handled elsewhere; the default does nothing.
    virtual void addCopies(int /*count*/) {}
    virtual void addFromFormatRecord(QPointF /*panelTopLeft*/) {}
    virtual void openItemMenu(int /*index*/, QPointF /*topLeft*/) {}
    virtual void openRecordLoadPanel(QPointF /*topLeft*/) {}
    // The text label and image items registered under an item index are to be deleted.
    virtual void deleteItemLabels(int /*index*/) {}
    // The alignment-guide handle is hidden by every paper adjust.
    virtual void hideAlignmentHandle() {}
};

} // namespace brevmark
