#include "support/RecordingSurface.h"

namespace brevmark::test {

void RecordingSurface::drawLine(QPointF from, QPointF to, const QColor& color, double widthTwips) {
    DrawCall c{DrawCall::Line};
    c.from = from;
    c.to = to;
    c.color = color;
    c.width = widthTwips;
    calls.append(c);
}

void RecordingSurface::fillRect(const QRectF& rect, const QColor& color) {
    DrawCall c{DrawCall::FillRect};
    c.rect = rect;
    c.color = color;
    calls.append(c);
}

void RecordingSurface::drawRect(const QRectF& rect, const QColor& color, LineStyle style) {
    DrawCall c{DrawCall::Rect};
    c.rect = rect;
    c.color = color;
    c.style = style;
    calls.append(c);
}

void RecordingSurface::drawText(QPointF topLeft, const QString& text, const TextFont& font,
                                const QColor& color) {
    DrawCall c{DrawCall::Text};
    c.from = topLeft;
    c.text = text;
    c.font = font;
    c.color = color;
    calls.append(c);
}

void RecordingSurface::setClipRect(const QRectF& rect) {
    DrawCall c{DrawCall::Clip};
    c.rect = rect;
    calls.append(c);
}

bool RecordingSurface::drawPicture(const brevmark::Picture& picture, const QRectF& target) {
    if (picture.isNull() || picture.naturalSize() == failingPictureSize)
        return false;
    DrawCall c{DrawCall::Picture};
    c.rect = target;
    calls.append(c);
    return true;
}

QList<DrawCall> RecordingSurface::ofKind(DrawCall::Kind kind) const {
    QList<DrawCall> result;
    for (const DrawCall& c : calls)
        if (c.kind == kind)
            result.append(c);
    return result;
}

QList<DrawCall> RecordingSurface::backgroundFills() const {
    QList<DrawCall> result;
    for (const DrawCall& c : calls)
        if (c.kind == DrawCall::FillRect && c.color != QColor(Qt::black))
            result.append(c);
    return result;
}

QList<double> RecordingSurface::lineXs() const {
    QList<double> xs;
    for (const DrawCall& c : calls)
        if (c.kind == DrawCall::Line)
            xs.append(c.from.x());
    return xs;
}

QList<QRectF> RecordingSurface::blackFills() const {
    QList<QRectF> rects;
    for (const DrawCall& c : calls)
        if (c.kind == DrawCall::FillRect && c.color == QColor(Qt::black))
            rects.append(c.rect);
    return rects;
}

QList<QString> RecordingSurface::texts() const {
    QList<QString> result;
    for (const DrawCall& c : calls)
        if (c.kind == DrawCall::Text)
            result.append(c.text);
    return result;
}

} // namespace brevmark::test
