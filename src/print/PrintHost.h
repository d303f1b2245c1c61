#pragma once

#include "page/LayoutMode.h"

namespace brevmark {

// The steps of the main window and its page editor around a print job.
class PrintHost {
public:
    virtual ~PrintHost() = default;

    // Item 0 is hidden while the simple command prints its copies, then shown again at (0, 0).
    virtual void setSimpleItemVisible(bool visible) = 0;
    // Shows the barcode edit panel `條碼輸入區` again with the focus in `條碼輸入`, its whole text
    // selected, and re-stacks the simple layout's panels.
    virtual void refocusBarcodeEntry() = 0;
    // `關閉功能窗`.
    virtual void closePanels() = 0;
    // The layout the page is printed in: item 0's copies or the page's items.
    virtual LayoutMode layoutMode() const = 0;
};

} // namespace brevmark
