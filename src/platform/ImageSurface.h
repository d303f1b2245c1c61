#pragma once

#include "platform/PainterSurface.h"

#include <QImage>
#include <QPainter>
#include <memory>

namespace brevmark {

// A retained screen image in twips (15 twips a pixel): what is drawn stays until cleared, and
// whatever falls outside is clipped. Widgets paint it as it is. On a screen of a higher device
// pixel ratio the image holds that many device pixels per screen pixel, so that what is drawn on
// it is as sharp as the screen can show; a one-pixel line stays one screen pixel wide.
class ImageSurface : public PainterSurface {
public:
    explicit ImageSurface(QSizeF sizeTwips, QColor background = Qt::white,
                          qreal devicePixelRatio = 1.0);
    ~ImageSurface() override;

    void resize(QSizeF sizeTwips);
    const QImage& image();

    // The same pixels as the painter would make, set directly where that is safe: a full page
    // redraws some 20 000 bar lines, and the painter's line drawing is most of that.
    void clear() override;
    void drawLine(QPointF from, QPointF to, const QColor& color, double widthTwips = 0) override;

private:
    void begin();
    QSize deviceSize(QSizeF sizeTwips) const;
    bool writesDirectly(const QColor& color) const;
    qreal ratio_;
    QImage image_;
    std::unique_ptr<QPainter> painter_;
};

} // namespace brevmark
