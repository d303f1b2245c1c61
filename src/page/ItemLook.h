#pragma once

#include "page/BarcodeItem.h"

namespace brevmark {

// Everything the barcode edit panel sets on an item but its text: the look of the bars and the
// human-readable text, the symbol's place inside the item, the border and the back colour.
struct ItemLook {
    BarcodeAppearance symbol; // its text is not part of the look
    std::uint8_t border = 0;
    QRgb backColour = 0xFFFFFF;

    static ItemLook of(const BarcodeItem& item);
    // Sets the look on an item; its text stays.
    void applyTo(BarcodeItem& item) const;
    // Whether the symbol's drawing (everything but border and back colour) differs.
    bool symbolDiffers(const ItemLook& other) const;
    bool frameDiffers(const ItemLook& other) const;
};

} // namespace brevmark
