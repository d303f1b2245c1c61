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

    // The same pixels as the painter would make, set directly where that is safe: a full page
    // redraws some 20 000 bar lines, and the painter's line drawing is most of that.
    void clear() override;
    void drawLine(QPointF from, QPointF to, const QColor& color, double widthTwips = 0) override;

private:
    void begin();
    bool writesDirectly(const QColor& color) const;
    QImage image_;
    std::unique_ptr<QPainter> painter_;
};

} // namespace brevmark
