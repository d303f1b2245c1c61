#include "platform/PreviewPrinter.h"

#include "common/Twips.h"
#include "platform/FontMetricsTwips.h"
#include "platform/PaintedPrinter.h"
#include "platform/PainterSurface.h"

#include <QImage>
#include <QPainter>

namespace brevmark {

PreviewPrinter::PreviewPrinter(QSizeF pageTwips, QRectF printableArea, double dotsPerInch)
    : page_(pageTwips), printable_(printableArea), dpi_(dotsPerInch) {}

PreviewPrinter::~PreviewPrinter() {
    endPage();
}

PainterSurface& PreviewPrinter::surface() {
    if (!painter_) {
        pages_.push_back(std::make_unique<QPicture>());
        painter_ = std::make_unique<QPainter>(pages_.back().get());
        surface_ = std::make_unique<PainterSurface>(painter_.get(), dpi_);
    }
    return *surface_;
}

void PreviewPrinter::endPage() {
    if (surface_)
        surface_->flush();
    if (painter_)
        painter_->end();
    surface_.reset();
    painter_.reset();
}

void PreviewPrinter::newPage() {
    surface(); // a new page before any drawing keeps an empty first page, as on paper
    endPage();
    surface();
}

void PreviewPrinter::endDocument() {
    endPage();
}

void PreviewPrinter::abortDocument() {
    endPage();
    pages_.clear();
}

void PreviewPrinter::setClipRect(const QRectF& rect) {
    surface().setClipRect(rect);
}

void PreviewPrinter::resetClip() {
    if (surface_)
        surface_->resetClip();
}

void PreviewPrinter::drawLine(QPointF from, QPointF to, const QColor& color, double widthTwips) {
    PaintedPrinter::drawPrinterLine(surface(), from, to, color, widthTwips);
}

void PreviewPrinter::fillRect(const QRectF& rect, const QColor& color) {
    surface().fillRect(rect, color);
}

void PreviewPrinter::drawRect(const QRectF& rect, const QColor& color, LineStyle style) {
    surface().drawRect(rect, color, style);
}

void PreviewPrinter::drawText(QPointF topLeft, const QString& text, const TextFont& font,
                              const QColor& color) {
    surface().drawText(topLeft, text, font, color);
}

double PreviewPrinter::textWidth(const QString& text, const TextFont& font) const {
    return measureTextWidth(text, font);
}

double PreviewPrinter::textHeight(const TextFont& font) const {
    return measureTextHeight(font);
}

bool PreviewPrinter::drawPicture(const Picture& picture, const QRectF& target) {
    return surface().drawPicture(picture, target);
}

void PreviewPrinter::paintPage(QPainter& painter, int index, double pixelsPerTwip) const {
    painter.save();
    painter.fillRect(QRectF(QPointF(0, 0), page_ * pixelsPerTwip), Qt::white);
    if (index >= 0 && index < pageCount()) {
        // The recording is in the printer's dots.
        const double scale = pixelsPerTwip * twips::perInch / dpi_;
        painter.scale(scale, scale);
        painter.drawPicture(0, 0, *pages_[std::size_t(index)]);
    }
    painter.restore();
}

QImage PreviewPrinter::rasterise(int index, double dotsPerInch) const {
    const QSize size(qRound(twips::toDots(page_.width(), dotsPerInch)),
                     qRound(twips::toDots(page_.height(), dotsPerInch)));
    QImage image(size, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, index, dotsPerInch / twips::perInch);
    painter.end();
    return image;
}

} // namespace brevmark
