#pragma once

#include "page/ImageItem.h"
#include "page/PointerState.h"

#include <QPointF>
#include <QSizeF>

namespace brevmark {

// What a pointer move with the left button held does to an image.
enum class ImageGesture { Move, ResizeRight, ResizeBottom };

// The drag rules of text labels and images inside their barcode item, in twips. Pointer positions
// are in the dragged element's own coordinates, as is the press point.
class TagDrag {
public:
    // Resize bands along an image's right and bottom edges.
    static constexpr float bandWidth = 120;
    // A resize needs the pointer this far from the image's top-left corner.
    static constexpr float resizeFloor = 240;

    // One move step: each coordinate follows the pointer, snapped to 60, once the pointer is more
    // than 60 from the press point; a place closer than 60 to the item's top or left edge becomes
    // 0; an element reaching past the item's bottom or right edge is pulled back inside (so one
    // larger than its item ends at a negative place). True when the place changed.
    static bool move(float& left, float& top, QSizeF size, QSizeF itemSize,
                     const PointerState& pointer, QPointF at);

    // The gesture a drag of an image performs: a press in the right band resizes the width while
    // the pointer is beyond the floor, else a press in the bottom band the height, else a move.
    static ImageGesture imageGesture(const ImageItem& image, const PointerState& pointer,
                                     QPointF at);
    // One resize step of 60 twips; the press point follows the edge. True when the size changed.
    static bool resize(ImageGesture gesture, ImageItem& image, PointerState& pointer, QPointF at);
    // The pointer shape's band: right band, bottom band, or neither.
    static ImageGesture zoneAt(const ImageItem& image, QPointF at);
};

} // namespace brevmark
