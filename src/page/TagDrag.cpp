#include "page/TagDrag.h"

#include "page/ItemDrag.h"

namespace brevmark {

bool TagDrag::move(float& left, float& top, QSizeF size, QSizeF itemSize,
                   const PointerState& pointer, QPointF at) {
    const float oldLeft = left;
    const float oldTop = top;
    const float x = float(at.x());
    const float y = float(at.y());
    if (y > pointer.pressY + ItemDrag::threshold || y < pointer.pressY - ItemDrag::threshold)
        top = ItemDrag::snap(top + y - pointer.pressY);
    if (x > pointer.pressX + ItemDrag::threshold || x < pointer.pressX - ItemDrag::threshold)
        left = ItemDrag::snap(left + x - pointer.pressX);
    if (top < 60)
        top = 0;
    if (left < 60)
        left = 0;
    if (top + float(size.height()) > float(itemSize.height()))
        top = float(itemSize.height()) - float(size.height());
    if (left + float(size.width()) > float(itemSize.width()))
        left = float(itemSize.width()) - float(size.width());
    return left != oldLeft || top != oldTop;
}

ImageGesture TagDrag::imageGesture(const ImageItem& image, const PointerState& pointer,
                                   QPointF at) {
    if (pointer.pressX > image.width - bandWidth && at.x() > resizeFloor)
        return ImageGesture::ResizeRight;
    if (pointer.pressY > image.height - bandWidth && at.y() > resizeFloor)
        return ImageGesture::ResizeBottom;
    return ImageGesture::Move;
}

bool TagDrag::resize(ImageGesture gesture, ImageItem& image, PointerState& pointer, QPointF at) {
    const bool wide = gesture == ImageGesture::ResizeRight;
    if (!wide && gesture != ImageGesture::ResizeBottom)
        return false;
    float& extent = wide ? image.width : image.height;
    float& press = wide ? pointer.pressX : pointer.pressY;
    const float p = float(wide ? at.x() : at.y());
    if (p > press + ItemDrag::threshold) {
        extent += 60;
        press += 60;
        return true;
    }
    if (p < press - ItemDrag::threshold) {
        extent -= 60;
        press -= 60;
        return true;
    }
    return false;
}

ImageGesture TagDrag::zoneAt(const ImageItem& image, QPointF at) {
    if (at.x() > image.width - bandWidth)
        return ImageGesture::ResizeRight;
    if (at.y() > image.height - bandWidth)
        return ImageGesture::ResizeBottom;
    return ImageGesture::Move;
}

} // namespace brevmark
