#include "platform/ImageSurface.h"

#include "common/Rounding.h"
#include "common/Twips.h"

#include <algorithm>
#include <cmath>

namespace brevmark {

namespace {
QSize pixelSize(QSizeF twipsSize) {
    return {int(qMax<qint64>(1, roundHalfEvenToInt(twips::toPixels(twipsSize.width())))),
            int(qMax<qint64>(1, roundHalfEvenToInt(twips::toPixels(twipsSize.height()))))};
}
} // namespace

ImageSurface::ImageSurface(QSizeF sizeTwips, QColor background, qreal devicePixelRatio)
    // The painter works in screen pixels and draws, through the image's pixel ratio, with the
    // device's own.
    : PainterSurface(nullptr, 96.0, background),
      ratio_(devicePixelRatio > 0 ? devicePixelRatio : 1.0) {
    image_ = QImage(deviceSize(sizeTwips), QImage::Format_ARGB32_Premultiplied);
    image_.setDevicePixelRatio(ratio_);
    image_.fill(background);
    begin();
}

QSize ImageSurface::deviceSize(QSizeF sizeTwips) const {
    const QSize pixels = pixelSize(sizeTwips);
    return QSize(qRound(pixels.width() * ratio_), qRound(pixels.height() * ratio_));
}

ImageSurface::~ImageSurface() = default;

void ImageSurface::begin() {
    painter_ = std::make_unique<QPainter>(&image_);
    setPainter(painter_.get());
}

void ImageSurface::resize(QSizeF sizeTwips) {
    const QSize size = deviceSize(sizeTwips);
    if (size == image_.size())
        return;
    painter_.reset();
    QImage next(size, QImage::Format_ARGB32_Premultiplied);
    next.setDevicePixelRatio(ratio_);
    next.fill(background());
    image_ = next;
    begin();
}

const QImage& ImageSurface::image() {
    return image_;
}

bool ImageSurface::writesDirectly(const QColor& color) const {
    // Only while the image's pixels are its own (a shared image would be copied away from under
    // the painter) and nothing on the painter changes what a plain opaque pixel is.
    return color.alpha() == 255 && image_.isDetached() && !painter_->hasClipping() &&
           painter_->worldTransform().type() == QTransform::TxNone &&
           painter_->compositionMode() == QPainter::CompositionMode_SourceOver &&
           !painter_->testRenderHint(QPainter::Antialiasing);
}

void ImageSurface::clear() {
    if (!image_.isDetached()) {
        PainterSurface::clear();
        return;
    }
    image_.fill(background());
}

void ImageSurface::drawLine(QPointF from, QPointF to, const QColor& color, double widthTwips) {
    // An upright one-pixel line covers, like the raster engine's cosmetic line, the pixel column
    // floor(x) and the rows round(top) to round(bottom) - 1 (a line of no length is a dot there,
    // left to the painter); on a screen of a higher pixel ratio, as many device columns as make
    // one screen pixel.
    if (widthTwips > 0 || from.x() != to.x() || from.y() == to.y() || !writesDirectly(color)) {
        PainterSurface::drawLine(from, to, color, widthTwips);
        return;
    }
    const QPointF a = toDevice(from) * ratio_;
    const QPointF b = toDevice(to) * ratio_;
    const int column = int(std::floor(a.x()));
    const int first = std::max(0, int(std::floor(std::min(a.y(), b.y()) + 0.5)));
    const int end = std::min(image_.height(), int(std::floor(std::max(a.y(), b.y()) + 0.5)));
    const int columns = std::max(1, int(std::lround(ratio_)));
    if (column < 0 || column >= image_.width() || first >= end)
        return;
    const int last = std::min(image_.width(), column + columns);
    const QRgb pixel = color.rgba(); // opaque, so premultiplied as it is
    uchar* bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    for (int y = first; y < end; ++y)
        for (int x = column; x < last; ++x)
            reinterpret_cast<QRgb*>(bits + y * stride)[x] = pixel;
}

} // namespace brevmark
