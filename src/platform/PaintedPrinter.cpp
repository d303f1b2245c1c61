#include "platform/PaintedPrinter.h"

#include "common/Twips.h"
#include "platform/FontMetricsTwips.h"
#include "platform/PainterSurface.h"

#include <QPainter>

namespace brevmark {

PaintedPrinter::PaintedPrinter() = default;

PaintedPrinter::~PaintedPrinter() = default;

PainterSurface& PaintedPrinter::surface() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
        painter_->begin(&device());
        surface_ = std::make_unique<PainterSurface>(painter_.get(), dotsPerInch());
    }
    return *surface_;
}

bool PaintedPrinter::endPainting() {
    bool ended = true;
    if (surface_)
        surface_->flush();
    if (painter_ && painter_->isActive())
        ended = painter_->end();
    surface_.reset();
    painter_.reset();
    return ended;
}

void PaintedPrinter::dropPainting() {
    if (painter_) {
        discardDocument();
        if (painter_->isActive())
            painter_->end();
    }
    surface_.reset();
    painter_.reset();
}

void PaintedPrinter::newPage() {
    if (painter_) {
        surface_->flush();
        turnPage(*painter_);
    } else
        surface(); // a new page before any drawing opens the document with an empty first page
}

void PaintedPrinter::endDocument() {
    endPainting();
}

void PaintedPrinter::abortDocument() {
    dropPainting();
}

void PaintedPrinter::setClipRect(const QRectF& rect) {
    surface().setClipRect(rect);
}

void PaintedPrinter::resetClip() {
    if (surface_)
        surface_->resetClip();
}

void PaintedPrinter::drawLine(QPointF from, QPointF to, const QColor& color, double widthTwips) {
    // The thinnest line is one printer dot: an upright or level one is filled as a rectangle one
    // dot wide from its coordinate, so that it covers exactly the dot there instead of straddling
    // two dots (a stroke is centred on its coordinate).
    if (widthTwips <= 0 && (from.x() == to.x() || from.y() == to.y())) {
        const double dot = twips::fromDots(1, dotsPerInch());
        const QRectF rect = from.x() == to.x() ? QRectF(QPointF(from.x(), qMin(from.y(), to.y())),
                                                        QSizeF(dot, qAbs(to.y() - from.y())))
                                               : QRectF(QPointF(qMin(from.x(), to.x()), from.y()),
                                                        QSizeF(qAbs(to.x() - from.x()), dot));
        surface().fillRect(rect, color);
        return;
    }
    surface().drawLine(from, to, color, widthTwips);
}

void PaintedPrinter::fillRect(const QRectF& rect, const QColor& color) {
    surface().fillRect(rect, color);
}

void PaintedPrinter::drawRect(const QRectF& rect, const QColor& color, LineStyle style) {
    surface().drawRect(rect, color, style);
}

void PaintedPrinter::drawText(QPointF topLeft, const QString& text, const TextFont& font,
                              const QColor& color) {
    surface().drawText(topLeft, text, font, color);
}

double PaintedPrinter::textWidth(const QString& text, const TextFont& font) const {
    return measureTextWidth(text, font);
}

double PaintedPrinter::textHeight(const TextFont& font) const {
    return measureTextHeight(font);
}

bool PaintedPrinter::drawPicture(const Picture& picture, const QRectF& target) {
    return surface().drawPicture(picture, target);
}

} // namespace brevmark
