#include "page/ItemLook.h"

#include <tuple>

namespace brevmark {

namespace {
auto drawnFields(const BarcodeAppearance& s) {
    return std::tie(s.widthRatio, s.barWidth, s.showText, s.textAlignment, s.symbolLeft,
                    s.symbolTop, s.barHeight, s.textSize, s.textBold, s.textItalic,
                    s.textUnderline);
}
} // namespace

ItemLook ItemLook::of(const BarcodeItem& item) {
    ItemLook look{item.symbol, item.border, item.backColour};
    look.symbol.text.clear();
    return look;
}

void ItemLook::applyTo(BarcodeItem& item) const {
    const QString text = item.symbol.text;
    item.symbol = symbol;
    item.symbol.text = text;
    item.border = border;
    item.backColour = backColour;
}

bool ItemLook::symbolDiffers(const ItemLook& other) const {
    return drawnFields(symbol) != drawnFields(other.symbol);
}

bool ItemLook::frameDiffers(const ItemLook& other) const {
    return border != other.border || backColour != other.backColour;
}

} // namespace brevmark
