#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace brevmark::test {

// Where a test expects a label: its page (from 0) and its rectangle in twips from the page's
// corner.
struct LabelPlace {
    int page = 0;
    QRectF twips;
};

// A PDF's pages at 600 dpi, with each expected label cut out and read by zbarimg and ZXing. Each
// entry of `zbar` and `zxing` is what that decoder read in the label at the same position, joined
// with "|" when it read more than one symbol there.
struct ReadLabels {
    int pages = 0;
    QList<QSize> pageSizes; // pixels at 600 dpi
    QStringList zbar;
    QStringList zxing;
};
ReadLabels readLabels(const QString& pdf, const QList<LabelPlace>& places, const QString& work);

// The text of a PDF as pdftotext extracts it.
QString pdfText(const QString& pdf);

} // namespace brevmark::test
