#pragma once

#include <QImage>
#include <QSize>

namespace brevmark {

// An empty picture to draw a control's look into: transparent, at least one pixel each way.
inline QImage transparentImage(QSize pixels) {
    QImage image(pixels.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

} // namespace brevmark
