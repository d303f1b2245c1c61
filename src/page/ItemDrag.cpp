#include "page/ItemDrag.h"

#include "common/Rounding.h"
#include "page/ItemTable.h"

#include <algorithm>

namespace brevmark {

namespace {
bool beyond(float value, float press) {
    return value > press + ItemDrag::threshold || value < press - ItemDrag::threshold;
}

QLineF vertical(float x, const BarcodeItem& a, const BarcodeItem& b) {
    return {x, std::min(a.top, b.top), x, std::max(a.bottom(), b.bottom())};
}

QLineF horizontal(float y, const BarcodeItem& a, const BarcodeItem& b) {
    return {std::min(a.left, b.left), y, std::max(a.right(), b.right()), y};
}

bool near(float value, float edge) {
    return edge - 60 < value && value < edge + 60;
}
} // namespace

float ItemDrag::snap(float value) {
    return float(roundHalfEven(double(value) / 60.0) * 60.0);
}

ItemZone ItemDrag::zoneAt(const BarcodeItem& item, QPointF at) {
    if (at.x() > item.width - bandWidth)
        return ItemZone::RightBand;
    if (at.y() > item.height - bandWidth)
        return ItemZone::BottomBand;
    return ItemZone::Inside;
}

ItemGesture ItemDrag::gestureFor(const BarcodeItem& item, int index, const PointerState& pointer,
                                 QPointF at, bool leftButtonDown) {
    if (!pointer.drags(leftButtonDown))
        return ItemGesture::None;
    if (pointer.pressX > item.width - bandWidth && at.x() > 600)
        return ItemGesture::ResizeRight;
    if (pointer.pressY > item.height - bandWidth && at.y() > 300)
        return ItemGesture::ResizeBottom;
    if (index >= 1)
        return ItemGesture::Move;
    return ItemGesture::None;
}

bool ItemDrag::apply(ItemGesture gesture, BarcodeItem& item, PointerState& pointer, QPointF at) {
    const float x = float(at.x());
    const float y = float(at.y());
    const QRectF before = item.rect();
    switch (gesture) {
    case ItemGesture::None:
        return false;
    case ItemGesture::ResizeRight:
        if (x > pointer.pressX + threshold) {
            item.width += 60;
            pointer.pressX += 60;
        } else if (x < pointer.pressX - threshold) {
            item.width -= 60;
            pointer.pressX -= 60;
        }
        break;
    case ItemGesture::ResizeBottom:
        if (y > pointer.pressY + threshold) {
            item.height += 60;
            pointer.pressY += 60;
        } else if (y < pointer.pressY - threshold) {
            item.height -= 60;
            pointer.pressY -= 60;
        }
        break;
    case ItemGesture::Move:
        if (beyond(y, pointer.pressY))
            item.top = snap(item.top + y - pointer.pressY);
        if (beyond(x, pointer.pressX))
            item.left = snap(item.left + x - pointer.pressX);
        item.top = std::max(item.top, 60.0f);
        item.left = std::max(item.left, 60.0f);
        break;
    }
    return item.rect() != before;
}

std::optional<QLineF> ItemDrag::matchLine(const ItemTable& items, int index, ItemGesture gesture) {
    if (gesture == ItemGesture::None)
        return std::nullopt;
    const BarcodeItem& p = items.at(index);
    const bool resizing = gesture != ItemGesture::Move;
    std::optional<QLineF> line;
    for (int k = 1; k <= items.highestInUse(); ++k) {
        if (k == index || !items.exists(k))
            continue;
        const BarcodeItem& other = items.at(k);
        const float x = resizing ? other.right() : other.left;
        const float y = resizing ? other.bottom() : other.top;
        if (near(resizing ? p.right() : p.left, x))
            line = vertical(x, p, other);
        if (near(resizing ? p.bottom() : p.top, y))
            line = horizontal(y, p, other);
    }
    return line;
}

bool ItemDrag::dragSymbolHandle(BarcodeAppearance& symbol, QSizeF handleSize, QSizeF itemSize,
                                const PointerState& pointer, QPointF at) {
    const float x = float(at.x());
    const float y = float(at.y());
    const float oldLeft = symbol.symbolLeft;
    const float oldTop = symbol.symbolTop;
    if (beyond(y, pointer.pressY))
        symbol.symbolTop = symbol.symbolTop + y - pointer.pressY;
    if (beyond(x, pointer.pressX))
        symbol.symbolLeft = symbol.symbolLeft + x - pointer.pressX;
    if (symbol.symbolTop < 60)
        symbol.symbolTop = 0;
    if (symbol.symbolLeft < 60)
        symbol.symbolLeft = 0;
    if (symbol.symbolTop + handleSize.height() > itemSize.height())
        symbol.symbolTop = float(itemSize.height() - handleSize.height());
    if (symbol.symbolLeft + handleSize.width() > itemSize.width())
        symbol.symbolLeft = float(itemSize.width() - handleSize.width());
    return symbol.symbolLeft != oldLeft || symbol.symbolTop != oldTop;
}

} // namespace brevmark
