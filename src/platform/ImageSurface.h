#pragma once

#include "platform/PainterSurface.h"

#include <QImage>
#include <QPainter>
#include <memory>

namespace brevmark {

// A retained screen image in twips (15 twips a pixel): what is drawn stays until cleared, and
// whatever falls outside is clipped. Widgets paint it as it is.
class ImageSurface : public PainterSurface {
public:
    explicit ImageSurface(QSizeF sizeTwips, QColor background = Qt::white);
    ~ImageSurface() override;

    void resize(QSizeF sizeTwips);
    const QImage& image();

private:
    void begin();
    QImage image_;
    std::unique_ptr<QPainter> painter_;
};

} // namespace brevmark
