#pragma once

#include <QString>
#include <cstdint>

namespace brevmark {

// What a barcode item's symbol looks like: the fields that drawing it on screen or on paper reads.
// The page's barcode item holds one of these beside its place and size on the page.
struct BarcodeAppearance {
    QString text;                    // barcode text
    std::uint8_t widthRatio = 0;     // 0 to 3
    std::uint8_t barWidth = 2;       // 1 to 6; 0 is drawn (and stored back) as 2
    std::uint8_t showText = 1;       // 1 shows the human-readable text
    std::uint8_t textAlignment = 0;  // 0 spread under the cells, 1 centred
    float symbolLeft = 0;            // twips inside the item
    float symbolTop = 0;
    QString barHeight;               // twips, held as text
    std::uint8_t textSize = 9;       // points
    bool textBold = false;
    bool textItalic = false;
    bool textUnderline = false;
};

} // namespace brevmark
