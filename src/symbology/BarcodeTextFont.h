#pragma once

#include "platform/TextFont.h"
#include "symbology/BarcodeAppearance.h"

namespace brevmark {

// The font of a barcode item's human-readable text: the item surface's typeface "新細明體" in the
// item's text size and styles. Screen and printer use the same.
inline TextFont barcodeTextFont(const BarcodeAppearance& item) {
    TextFont font;
    font.family = QStringLiteral("新細明體");
    font.pointSize = item.textSize;
    font.bold = item.textBold;
    font.italic = item.textItalic;
    font.underline = item.textUnderline;
    return font;
}

} // namespace brevmark
