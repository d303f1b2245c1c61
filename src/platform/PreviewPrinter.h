#pragma once

#include "platform/PaintedPrinter.h"

#include <QPicture>
#include <memory>
#include <vector>

namespace brevmark {

// A printer whose pages are kept as recorded drawings instead of being sent: a print job drawn
// on it, by the same code that prints, can be shown at any size (the print preview) and read back
// as a raster. It has the paper, the printable area and the dot of the printer the job is meant
// for, so that everything is placed as it will be on that printer; the drawings are recorded in
// that printer's dots.
class PreviewPrinter : public PaintedPrinter {
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

protected:
    QPaintDevice& device() override;
    void turnPage(QPainter& painter) override;
    void discardDocument() override { pages_.clear(); }

private:
    QSizeF page_;
    QRectF printable_;
    double dpi_;
    std::vector<std::unique_ptr<QPicture>> pages_;
};

} // namespace brevmark
