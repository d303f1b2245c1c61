#pragma once

#include "page/Arrangement.h"
#include "page/ItemTable.h"
#include "page/LabelPage.h"
#include "page/PointerState.h"
#include "page/TagTable.h"

#include <cstdint>

namespace brevmark {

// Everything the page editor knows about the label page: the page, its barcode items with their
// text labels and images, the arrangement and print quantity boxes as typed, the shared pointer
// state and the editor's two item indexes. Neither index is updated when its item is deleted; the
// editor checks that an item exists before it acts on it.
struct PageModel {
    LabelPage page;
    ItemTable items;
    TagTable tags; // text labels and images of each item
    // `左右間距`, `上下間距`, `起始左`, `起始上` of the arrangement panel; the simple print starts
    // its copies at the start point too.
    ArrangementSettings arrangement;
    QString printQuantity = QStringLiteral("1"); // `列印數量` of the print quantity panel
    PointerState pointer;
    std::int16_t currentItem = 0; // touched by the last pointer action; 0 none
    std::int16_t editedItem = 0;  // shown in the barcode edit panel
};

} // namespace brevmark
