#include "platform/PreviewPrinter.h"

#include "common/Twips.h"

#include <QImage>
#include <QPainter>

namespace brevmark {

PreviewPrinter::PreviewPrinter(QSizeF pageTwips, QRectF printableArea, double dotsPerInch)
    : page_(pageTwips), printable_(printableArea), dpi_(dotsPerInch) {}

PreviewPrinter::~PreviewPrinter() {
    endPainting();
}

QPaintDevice& PreviewPrinter::device() {
    if (pages_.empty())
        pages_.push_back(std::make_unique<QPicture>());
    return *pages_.back();
}

void PreviewPrinter::turnPage(QPainter& painter) {
    painter.end();
    pages_.push_back(std::make_unique<QPicture>());
    painter.begin(pages_.back().get());
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
