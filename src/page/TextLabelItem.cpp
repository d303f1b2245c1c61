#include "page/TextLabelItem.h"

#include "platform/FontMetricsTwips.h"

namespace brevmark {

TextFont TextLabelItem::font() const {
    TextFont f;
    f.family = fontName;
    f.pointSize = fontSize;
    f.bold = bold;
    f.italic = italic;
    f.underline = underline;
    return f;
}

void TextLabelItem::fitToCaption() {
    const TextFont f = font();
    // An empty caption still keeps the height of one line, so the label can be found again.
    width = float(measureTextWidth(caption, f));
    height = float(measureTextHeight(f));
}

TextLabelItem TextLabelItem::added(float left, float top) {
    TextLabelItem label;
    label.left = left;
    label.top = top;
    label.fitToCaption();
    return label;
}

} // namespace brevmark
