#pragma once

#include "platform/Printer.h"

#include <QPicture>
#include <memory>
#include <vector>

class QPainter;

namespace brevmark {

class PainterSurface;

// A printer whose pages are kept as recorded drawings instead of being sent: a print job drawn
// on it, by the same code that prints, can be shown at any size (the print preview) and read back
// as a raster. It has the paper, the printable area and the dot of the printer the job is meant
// for, so that everything is placed as it will be on that printer; the drawings are recorded in
// that printer's dots.
class PreviewPrinter : public Printer {
public:
    PreviewPrinter(QSizeF pageTwips, QRectF printableArea, double dotsPerInch);
    ~PreviewPrinter() override;

    int pageCount() const { return int(pages_.size()); }
    // Draws page `index` with its top-left corner at the painter's origin, `pixelsPerTwip`
    // painter units per twip, on white paper.
    void paintPage(QPainter& painter, int index, double pixelsPerTwip) const;
    // Page `index` as a grey raster at `dotsPerInch`.
    QImage rasterise(int index, double dotsPerInch) const;

    bool isAvailable() const override { return true; }
    QString name() const override { return QStringLiteral("preview"); }
    double dotsPerInch() const override { return dpi_; }
    QSizeF pageTwips() const override { return page_; }
    QRectF printableArea() const override { return printable_; }
    void newPage() override;
    void endDocument() override;
    void abortDocument() override;
    void setClipRect(const QRectF& rect) override;
    void resetClip() override;

    void drawLine(QPointF from, QPointF to, const QColor& color, double widthTwips = 0) override;
    void fillRect(const QRectF& rect, const QColor& color) override;
    void drawRect(const QRectF& rect, const QColor& color, LineStyle style) override;
    void drawText(QPointF topLeft, const QString& text, const TextFont& font,
                  const QColor& color) override;
    double textWidth(const QString& text, const TextFont& font) const override;
    double textHeight(const TextFont& font) const override;
    bool drawPicture(const Picture& picture, const QRectF& target) override;

private:
    PainterSurface& surface();
    void endPage();

    QSizeF page_;
    QRectF printable_;
    double dpi_;
    std::vector<std::unique_ptr<QPicture>> pages_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<PainterSurface> surface_;
};

} // namespace brevmark
