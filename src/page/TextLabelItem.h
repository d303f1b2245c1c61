#pragma once

#include <QRgb>
#include <QString>

namespace brevmark {

// A free text inside a barcode item, positioned in twips from the item's top-left corner. The
// label always sizes itself to its caption and font.
struct TextLabelItem {
    QString caption = QStringLiteral("標籤");
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    QRgb foreColour = 0x000000;
    QString fontName = QStringLiteral("新細明體");
    float fontSize = 11.25f;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

} // namespace brevmark
