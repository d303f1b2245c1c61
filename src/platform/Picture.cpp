#include "platform/Picture.h"

#include "common/Twips.h"

namespace brevmark {

Picture Picture::fromImage(const QImage& image) {
    Picture p;
    p.image_ = image;
    // Natural size from the image's own resolution, 96 dpi when it states none.
    const double dpmX = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() : 3780.0;
    const double dpmY = image.dotsPerMeterY() > 0 ? image.dotsPerMeterY() : 3780.0;
    p.natural_ = QSizeF(image.width() * twips::perInch / (dpmX * 0.0254),
                        image.height() * twips::perInch / (dpmY * 0.0254));
    return p;
}

Picture Picture::fromImage(const QImage& image, QSizeF naturalTwips) {
    Picture p;
    p.image_ = image;
    p.natural_ = naturalTwips;
    return p;
}

Picture Picture::fromRecording(std::shared_ptr<const QPicture> recording, QSizeF naturalTwips) {
    Picture p;
    p.recording_ = std::move(recording);
    p.natural_ = naturalTwips;
    return p;
}

} // namespace brevmark
