#pragma once

#include "common/Rounding.h"
#include "common/Twips.h"

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>

// Conversions between twips and screen pixels (15 twips a pixel) for widgets, which place
// themselves in whole pixels.
namespace brevmark::screen {

// Whole pixels, rounded half to even.
inline int pixels(double twipsValue) {
    return int(roundHalfEvenToInt(twips::toPixels(twipsValue)));
}
inline QPoint point(QPointF twipsPoint) {
    return {pixels(twipsPoint.x()), pixels(twipsPoint.y())};
}
inline QRect rect(const QRectF& twipsRect) {
    return {pixels(twipsRect.left()), pixels(twipsRect.top()), pixels(twipsRect.width()),
            pixels(twipsRect.height())};
}
inline QPointF twipsOf(QPointF pixelPoint) {
    return pixelPoint * twips::perPixel;
}
inline QPointF twipsOf(QPoint pixelPoint) {
    return QPointF(pixelPoint) * twips::perPixel;
}

} // namespace brevmark::screen
