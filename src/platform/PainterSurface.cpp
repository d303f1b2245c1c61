#include "platform/PainterSurface.h"

#include "common/Twips.h"
#include "platform/FontMetricsTwips.h"

#include <QPainter>
#include <QPicture>

namespace brevmark {

PainterSurface::PainterSurface(QPainter* painter, double dotsPerInch, QColor background)
    : painter_(painter), dpi_(dotsPerInch), background_(background) {}

QPointF PainterSurface::toDevice(QPointF p) const {
    return {twips::toDots(p.x(), dpi_), twips::toDots(p.y(), dpi_)};
}

QRectF PainterSurface::toDevice(const QRectF& r) const {
    return {toDevice(r.topLeft()), toDevice(r.bottomRight())};
}

void PainterSurface::clear() {
    const QRect all = painter_->viewport();
    painter_->save();
    painter_->setCompositionMode(QPainter::CompositionMode_Source);
    painter_->fillRect(all, background_);
    painter_->restore();
}

void PainterSurface::drawLine(QPointF from, QPointF to, const QColor& color, double widthTwips) {
    QPen pen(color);
    pen.setCapStyle(Qt::FlatCap);
    if (widthTwips <= 0) {
        pen.setWidth(1);
        pen.setCosmetic(true);
    } else {
        pen.setWidthF(twips::toDots(widthTwips, dpi_));
    }
    painter_->setPen(pen);
    painter_->drawLine(toDevice(from), toDevice(to));
}

void PainterSurface::fillRect(const QRectF& rect, const QColor& color) {
    painter_->fillRect(toDevice(rect), color);
}

void PainterSurface::drawRect(const QRectF& rect, const QColor& color, LineStyle style) {
    QPen pen(color);
    pen.setCosmetic(true);
    pen.setStyle(style == LineStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
    painter_->setPen(pen);
    painter_->setBrush(Qt::NoBrush);
    painter_->drawRect(toDevice(rect));
}

void PainterSurface::drawText(QPointF topLeft, const QString& text, const TextFont& font,
                              const QColor& color) {
    QFont f = toQFont(font);
    painter_->save();
    painter_->setFont(f);
    painter_->setPen(color);
    const QPointF at = toDevice(topLeft);
    const QFontMetricsF metrics(f, painter_->device());
    painter_->drawText(QPointF(at.x(), at.y() + metrics.ascent()), text);
    painter_->restore();
}

double PainterSurface::textWidth(const QString& text, const TextFont& font) const {
    return measureTextWidth(text, font);
}

double PainterSurface::textHeight(const TextFont& font) const { return measureTextHeight(font); }

bool PainterSurface::drawPicture(const Picture& picture, const QRectF& target) {
    if (picture.isNull())
        return false;
    const QRectF device = toDevice(target);
    if (!picture.image().isNull()) {
        painter_->drawImage(device, picture.image());
        return true;
    }
    const QPicture* recording = picture.recording();
    const QRect bounds = recording->boundingRect();
    if (bounds.isEmpty())
        return false;
    painter_->save();
    painter_->translate(device.topLeft());
    painter_->scale(device.width() / bounds.width(), device.height() / bounds.height());
    painter_->translate(-bounds.topLeft());
    painter_->drawPicture(0, 0, *recording);
    painter_->restore();
    return true;
}

} // namespace brevmark
