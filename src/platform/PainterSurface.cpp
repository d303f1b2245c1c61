#include "platform/PainterSurface.h"

#include "common/Twips.h"
#include "platform/FontMetricsTwips.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPicture>

#include <algorithm>

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
    flush();
    const QRect all = painter_->viewport();
    painter_->save();
    painter_->setCompositionMode(QPainter::CompositionMode_Source);
    painter_->fillRect(all, background_);
    painter_->restore();
}

void PainterSurface::usePen(const QColor& color, double widthTwips, Qt::PenStyle style) {
    if (penPainter_ == painter_ && penColor_ == color && penWidth_ == widthTwips &&
        penStyle_ == style && painter_->pen().style() == style)
        return;
    QPen pen(color);
    pen.setCapStyle(Qt::FlatCap);
    pen.setStyle(style);
    if (widthTwips <= 0) {
        pen.setWidth(1);
        pen.setCosmetic(true);
    } else {
        pen.setWidthF(twips::toDots(widthTwips, dpi_));
    }
    painter_->setPen(pen);
    penPainter_ = painter_;
    penColor_ = color;
    penWidth_ = widthTwips;
    penStyle_ = style;
}

void PainterSurface::drawLine(QPointF from, QPointF to, const QColor& color, double widthTwips) {
    flush();
    usePen(color, widthTwips, Qt::SolidLine);
    painter_->drawLine(toDevice(from), toDevice(to));
}

void PainterSurface::fillRect(const QRectF& rect, const QColor& color) {
    const QPaintEngine* engine = painter_->paintEngine();
    if (!engine || engine->type() != QPaintEngine::Pdf) {
        painter_->fillRect(toDevice(rect), color);
        return;
    }
    if (!heldFills_.isEmpty() && color != heldColor_)
        flush();
    const QRectF device = toDevice(rect);
    heldBounds_ = heldFills_.isEmpty() ? device : heldBounds_.united(device);
    heldColor_ = color;
    heldFills_.append(device);
}

bool PainterSurface::clearOfHeldFills(QPointF baseline, const QString& text,
                                      const TextFont& font) const {
    // One character's ink box is cheap to know; the underline lies outside it, and a thickened
    // glyph grows beyond it.
    if (heldFills_.isEmpty())
        return true;
    if (text.size() != 1 || font.underline || emboldens_ || !metrics_)
        return false;
    // (with a device dot to spare on every side)
    const QRectF ink =
        metrics_->boundingRect(text.at(0)).translated(baseline).adjusted(-1, -1, 1, 1);
    return !ink.intersects(heldBounds_);
}

void PainterSurface::flush() {
    if (heldFills_.isEmpty())
        return;
    if (painter_->isActive()) {
        // What QPainter::fillRect does for one rectangle, for all of them at once.
        const QPen pen = painter_->pen();
        const QBrush brush = painter_->brush();
        painter_->setPen(Qt::NoPen);
        painter_->setBrush(heldColor_);
        painter_->drawRects(heldFills_.constData(), int(heldFills_.size()));
        painter_->setBrush(brush);
        painter_->setPen(pen);
    }
    heldFills_.clear();
}

void PainterSurface::drawRect(const QRectF& rect, const QColor& color, LineStyle style) {
    flush();
    usePen(color, 0, style == LineStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
    painter_->setBrush(Qt::NoBrush);
    painter_->drawRect(toDevice(rect));
}

namespace {
// True when the font asks for bold but is drawn from a face that has no bold of its own (the
// Chinese system fonts have one weight): on screen the glyph rasteriser thickens such glyphs, a
// vector document (PDF, and so every printer) would show them regular.
bool needsSyntheticBold(const QFont& font, QPainter* painter) {
    if (!font.bold() || !painter->paintEngine() ||
        painter->paintEngine()->type() != QPaintEngine::Pdf)
        return false;
    const QFontInfo info(font);
    return QFontDatabase::weight(info.family(), info.styleName()) < QFont::DemiBold;
}
} // namespace

const QFont& PainterSurface::fontFor(const TextFont& font, double* ascent) {
    if (!fontValid_ || !(lastFont_ == font)) {
        qfont_ = toQFont(font);
        metrics_.emplace(qfont_, painter_->device());
        ascent_ = metrics_->ascent();
        emboldens_ = needsSyntheticBold(qfont_, painter_);
        // (A static text draws its underline a little differently, so underlined text is not.)
        laysOutOnce_ = painter_->paintEngine() &&
                       painter_->paintEngine()->type() == QPaintEngine::Raster && !font.underline;
        laidOut_.clear();
        lastFont_ = font;
        fontValid_ = true;
    }
    *ascent = ascent_;
    return qfont_;
}

void PainterSurface::drawEmboldened(QPointF baseline, const QString& text, const QFont& font,
                                    const QColor& color) {
    // The thickening the screen's glyph rasteriser applies (FreeType's emboldening: the outline
    // grows by 1/24 of the em), as glyph outlines filled and stroked. A PDF would otherwise strike
    // the glyphs twice half a line apart, which a printer's driver may round away. The underline
    // is filled, not thickened.
    const double em = font.pointSizeF() * dpi_ / 72.0;
    QFont plain(font);
    plain.setBold(false); // the same face: it has no bold of its own
    plain.setPixelSize(qMax(1, qRound(em)));
    QPainterPath filled;
    filled.addText(baseline, plain, text);
    painter_->fillPath(filled, color);
    plain.setUnderline(false);
    plain.setStrikeOut(false);
    QPainterPath outline;
    outline.addText(baseline, plain, text);
    painter_->strokePath(outline, QPen(color, em / 24.0, Qt::SolidLine, Qt::RoundCap,
                                       Qt::RoundJoin)); // restores the painter's own pen
}

void PainterSurface::drawText(QPointF topLeft, const QString& text, const TextFont& font,
                              const QColor& color) {
    double ascent = 0;
    const QFont& f = fontFor(font, &ascent);
    const QPointF at = toDevice(topLeft);
    const QPointF baseline(at.x(), at.y() + ascent);
    if (!clearOfHeldFills(baseline, text, font))
        flush();
    if (emboldens_) {
        drawEmboldened(baseline, text, f, color);
        return;
    }
    painter_->setFont(f);
    usePen(color, 0, Qt::SolidLine);
    // A static text breaks lines and expands tabs, which a plain text does not.
    const bool plainLine =
        std::none_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20; });
    if (!laysOutOnce_ || !plainLine) {
        painter_->drawText(baseline, text);
        return;
    }
    // A static text is placed by its top-left corner and gives the same pixels.
    auto it = laidOut_.find(text);
    if (it == laidOut_.end()) {
        if (laidOut_.size() >= 512)
            laidOut_.clear();
        QStaticText laid(text);
        laid.setTextFormat(Qt::PlainText);
        laid.setPerformanceHint(QStaticText::AggressiveCaching);
        it = laidOut_.insert(text, laid);
    }
    painter_->drawStaticText(at, *it);
}

void PainterSurface::setClipRect(const QRectF& rect) {
    flush();
    painter_->setClipRect(toDevice(rect), Qt::ReplaceClip);
}

void PainterSurface::resetClip() {
    flush();
    painter_->setClipping(false);
}

double PainterSurface::textWidth(const QString& text, const TextFont& font) const {
    return measureTextWidth(text, font);
}

double PainterSurface::textHeight(const TextFont& font) const {
    return measureTextHeight(font);
}

bool PainterSurface::drawPicture(const Picture& picture, const QRectF& target) {
    flush();
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
