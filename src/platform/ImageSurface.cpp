#include "platform/ImageSurface.h"

#include "common/Rounding.h"
#include "common/Twips.h"

namespace brevmark {

namespace {
QSize pixelSize(QSizeF twipsSize) {
    return {int(qMax<qint64>(1, roundHalfEvenToInt(twips::toPixels(twipsSize.width())))),
            int(qMax<qint64>(1, roundHalfEvenToInt(twips::toPixels(twipsSize.height()))))};
}
} // namespace

ImageSurface::ImageSurface(QSizeF sizeTwips, QColor background)
    : PainterSurface(nullptr, 96.0, background) {
    image_ = QImage(pixelSize(sizeTwips), QImage::Format_ARGB32_Premultiplied);
    image_.fill(background);
    begin();
}

ImageSurface::~ImageSurface() = default;

void ImageSurface::begin() {
    painter_ = std::make_unique<QPainter>(&image_);
    setPainter(painter_.get());
}

void ImageSurface::resize(QSizeF sizeTwips) {
    const QSize size = pixelSize(sizeTwips);
    if (size == image_.size())
        return;
    painter_.reset();
    QImage next(size, QImage::Format_ARGB32_Premultiplied);
    next.fill(background());
    image_ = next;
    begin();
}

const QImage& ImageSurface::image() { return image_; }

} // namespace brevmark
