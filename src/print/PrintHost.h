#pragma once

#include <QString>

namespace brevmark {

// What the print commands need of the main window and its page editor.
class PrintHost {
public:
    virtual ~PrintHost() = default;

    // The texts of the print quantity box `列印數量` and the start boxes `起始左`, `起始上`.
    virtual QString printQuantityText() const = 0;
    virtual QString startLeftText() const = 0;
    virtual QString startTopText() const = 0;
    // Item 0 is hidden while the simple command moves it over the page, then shown again at
    // (0, 0); the page editor follows the model's item 0 when it is shown.
    virtual void setSimpleItemVisible(bool visible) = 0;
    // Shows the barcode edit panel `條碼輸入區` again with the focus in `條碼輸入`, its whole text
    // selected, and re-stacks the simple layout's panels.
    virtual void refocusBarcodeEntry() = 0;
    // `關閉功能窗`.
    virtual void closePanels() = 0;
    // 0 simple layout, 1 professional layout.
    virtual int layoutMode() const = 0;
};

} // namespace brevmark
