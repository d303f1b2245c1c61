#pragma once

#include <QFlags>

namespace brevmark {

// What a change of one barcode item touched, so that each view redoes only what it shows of it.
enum class ItemAspect {
    Position = 0x01, // left and top on the page
    Size = 0x02,     // width and height (the item's surface is drawn anew)
    Symbol = 0x04,   // barcode text and the look of its bars and text
    Frame = 0x08,    // border and back colour
    Identity = 0x10, // category and name of the format it was filled from
    Tags = 0x20,     // its text labels and images were replaced as a whole
};
Q_DECLARE_FLAGS(ItemAspects, ItemAspect)
Q_DECLARE_OPERATORS_FOR_FLAGS(ItemAspects)

inline constexpr ItemAspects allItemAspects{0x3F};

} // namespace brevmark
