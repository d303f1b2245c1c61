#pragma once

#include "platform/Picture.h"
#include "platform/TextFont.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace brevmark {

enum class LineStyle { Solid, Dotted };

// Something the program draws on, in twips from its top-left corner: an item's retained image on
// screen, a printer page, a preview. A line of width 0 is the thinnest the device can draw (one
// screen pixel, one printer dot).
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // Erases everything drawn, leaving the background colour.
    virtual void clear() = 0;
    virtual void drawLine(QPointF from, QPointF to, const QColor& color, double widthTwips = 0) = 0;
    virtual void fillRect(const QRectF& rect, const QColor& color) = 0;
    virtual void drawRect(const QRectF& rect, const QColor& color,
                          LineStyle style = LineStyle::Solid) = 0;
    // Text with its top-left corner at the point.
    virtual void drawText(QPointF topLeft, const QString& text, const TextFont& font,
                          const QColor& color) = 0;
    virtual double textWidth(const QString& text, const TextFont& font) const = 0;
    virtual double textHeight(const TextFont& font) const = 0;
    // A picture stretched into the rectangle; false when it cannot be drawn.
    virtual bool drawPicture(const Picture& picture, const QRectF& target) = 0;
};

} // namespace brevmark
