#pragma once

#include "records/LayoutFile.h"

namespace brevmark {

class PageEditor;

// Between the page and a layout of its items.
class PageLayouts {
public:
    // Every barcode item of the page (indexes 1 to 250), in index order, with its position and
    // its format records. Each item goes through the format memory as a layout save does: its
    // captions are cleaned on the page, and the memory holds the last item afterwards.
    static Layout capture(PageEditor& editor);
    // Adds the layout's items to the page, each at its stored position (the page's top-left
    // corner when it has none), in free indexes; stops when the page is full. The labels keep
    // their exact font sizes. The format memory is left as it was, and the items get no category
    // or name. Returns the items added.
    static int place(PageEditor& editor, const Layout& layout);
};

} // namespace brevmark
