#pragma once

#include "platform/TextFont.h"

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

    TextFont font() const;
    // Width and height from the caption in the label's font (as a 96-dpi screen measures it).
    void fitToCaption();
    // A new label with the defaults at a point of its barcode item, already fitted.
    static TextLabelItem added(float left, float top);
};

} // namespace brevmark
