#include "BatchLabels.h"

#include "support/PrintedPageReader.h"

#include <QProcess>
#include <QTemporaryDir>

namespace brevmark::test {

ReadLabels readLabels(const QString& pdf, const QList<LabelPlace>& places, const QString& work) {
    ReadLabels read;
    // Pages of earlier PDFs of the same name stay out of this one's.
    const QTemporaryDir folder(work + QStringLiteral("/raster-XXXXXX"));
    const QList<QImage> pages = printed::rasterise(pdf, folder.path());
    read.pages = int(pages.size());
    for (const QImage& page : pages)
        read.pageSizes << page.size();
    for (const LabelPlace& place : places) {
        if (place.page >= pages.size()) {
            read.zbar << QStringLiteral("<no page>");
            read.zxing << QStringLiteral("<no page>");
            continue;
        }
        const printed::Readings r =
            printed::readRegion(pages.at(place.page), place.twips, folder.path());
        read.zbar << r.zbar.join(QLatin1Char('|'));
        read.zxing << r.zxing.join(QLatin1Char('|'));
    }
    return read;
}

QString pdfText(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace brevmark::test
