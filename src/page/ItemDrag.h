#pragma once

#include "page/BarcodeItem.h"
#include "page/PointerState.h"

#include <QLineF>
#include <QSizeF>
#include <optional>

namespace brevmark {

class ItemTable;

// What a pointer move over a barcode item does.
enum class ItemGesture { None, ResizeRight, ResizeBottom, Move };
// Where the pointer is inside an item, for the pointer shape.
enum class ItemZone { Inside, RightBand, BottomBand };

// The rules of dragging barcode items and their symbol handles, in twips. The pointer position is
// in the dragged element's own coordinates, as are the press point's.
class ItemDrag {
public:
    // Resize bands along the right and bottom edges.
    static constexpr float bandWidth = 120;
    // The pointer must be more than this far from the press point before anything moves.
    static constexpr float threshold = 60;

    // Nearest multiple of 60, halves to the even multiple.
    static float snap(float value);

    static ItemZone zoneAt(const BarcodeItem& item, QPointF at);
    // Resizing needs the press inside a band and the pointer beyond a minimum (600 from the left
    // edge for the width, 300 from the top for the height); moving needs a page item (index ≥ 1).
    static ItemGesture gestureFor(const BarcodeItem& item, int index, const PointerState& pointer,
                                  QPointF at, bool leftButtonDown);
    // One step of the gesture. A resize changes the size by 60 and moves the press point with
    // the edge; a move snaps to the 60-twip grid and keeps the item at least 60 from the page's
    // top and left edges. True when the item's place or size changed.
    static bool apply(ItemGesture gesture, BarcodeItem& item, PointerState& pointer, QPointF at);

    // The line that shows another item's edge near the dragged item's: the left or top edge while
    // moving, the right or bottom edge while resizing (professional layout only). The last match
    // over the items from 1 to the highest index in use wins.
    static std::optional<QLineF> matchLine(const ItemTable& items, int index, ItemGesture gesture);

    // One pointer move on a symbol handle of the given size inside an item of the given size: the
    // symbol origin follows the pointer beyond the 60-twip threshold and stays inside the item
    // (an origin closer than 60 to the top or left edge goes to 0). True when it moved.
    static bool dragSymbolHandle(BarcodeAppearance& symbol, QSizeF handleSize, QSizeF itemSize,
                                 const PointerState& pointer, QPointF at);
};

} // namespace brevmark
