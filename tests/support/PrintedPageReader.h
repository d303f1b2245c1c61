#pragma once

#include <QImage>
#include <QList>
#include <QPair>
#include <QRect>
#include <QRectF>
#include <QString>
#include <QStringList>

// Reading printed pages back the way a scanner would: a PDF rasterised by poppler, every symbol
// read by two independent decoders (zbarimg and ZXing), and the bars measured on the raster.
namespace brevmark::test::printed {

constexpr int rasterDpi = 600;

// Empty when pdftoppm, zbarimg and the ZXing decoder are all at hand, else what is missing.
QString missingTools();

// Pages of the PDF as grey images at 600 dpi, written into `folder` on the way.
QList<QImage> rasterise(const QString& pdf, const QString& folder);

// Pages of a PostScript job as grey images at `dpi`, rasterised by Ghostscript the way a
// PostScript printer's interpreter would, written into `folder` on the way.
QList<QImage> rasterisePostScript(const QByteArray& job, const QString& folder, int dpi);

// The widths of the bars and of the spaces between them along the row of `image` that crosses
// the most bars: the symbol as a scanner's beam meets it, in the image's pixels (printer dots).
// A Code 39 symbol of n characters has 5 × (n + 2) bars; ink beyond them is not the symbol's.
struct BarWidths {
    QList<int> bars;
    QList<int> spaces;
};
BarWidths barWidths(const QImage& image, int barCount);

// Code 39 texts that each decoder reads in an image file, sorted. The ZXing decoder reads one
// symbol per file.
QStringList zbarTexts(const QString& imageFile);
QStringList zxingTexts(const QString& imageFile);

struct Readings {
    QStringList zbar;
    QStringList zxing;
};
// Both decoders on a whole image (a label as the printer's dots), saved into `folder` as `name`.
Readings readImage(const QImage& image, const QString& folder, const QString& name);
// Both decoders on one region of a 600-dpi page (twips from the page's corner), cut out on its own
// so that equal symbols count one by one.
Readings readRegion(const QImage& page, const QRectF& twips, const QString& folder);

// Page pixels of a rectangle in twips.
QRect toPixels(const QRectF& twips);
// Runs [first, last] of the columns of `pixels` that are dark in every row: the solid bars.
QList<QPair<int, int>> solidColumnRuns(const QImage& page, const QRect& pixels);
// Dark pixels in a rectangle.
int inkCount(const QImage& page, const QRect& pixels);
// Mean x of the dark pixels in a rectangle; -1 when there are none.
double inkCentreX(const QImage& page, const QRect& pixels);

} // namespace brevmark::test::printed
