#include "alignment/GuidePicture.h"

#include "alignment/LabelTemplate.h"
#include "alignment/SheetFormat.h"
#include "common/Twips.h"

#include <QPainter>
#include <cmath>

namespace brevmark {

namespace {
constexpr uchar fieldIndex = 0;
constexpr uchar outlineIndex = 1;
} // namespace

QImage GuidePicture::draw(const SheetFormat& format) {
    QImage image(format.picturePixels, QImage::Format_Indexed8);
    image.setColorTable({field().rgb(), outline().rgb()});
    image.fill(fieldIndex);
    const auto put = [&image](int x, int y) {
        if (image.rect().contains(x, y))
            image.scanLine(y)[x] = outlineIndex;
    };
    // Each label has its outline from its column's first to last pixel and its row's.
    for (const SheetFormat::Span& column : format.columns)
        for (const SheetFormat::Span& row : format.rows) {
            for (int x = column.first; x <= column.second; ++x) {
                put(x, row.first);
                put(x, row.second);
            }
            for (int y = row.first; y <= row.second; ++y) {
                put(column.first, y);
                put(column.second, y);
            }
        }
    return image;
}

QImage GuidePicture::draw(const LabelTemplate& sheet) {
    const QRectF bounds = sheet.guideArea();
    const auto pixel = [](double twipsValue) { return std::round(twips::toPixels(twipsValue)); };
    const QSize size(int(pixel(bounds.width())) + 1, int(pixel(bounds.height())) + 1);
    QImage image(size, QImage::Format_RGB32);
    image.fill(field());
    QPainter p(&image);
    // No antialiasing: the picture holds the two colours only, as the six sheets' pictures do.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(outline(), 0));
    p.setBrush(Qt::NoBrush);
    for (const QRectF& label : sheet.labels()) {
        const double left = pixel(label.left() - bounds.left());
        const double top = pixel(label.top() - bounds.top());
        const QRectF r(left, top, pixel(label.right() - bounds.left()) - left,
                       pixel(label.bottom() - bounds.top()) - top);
        switch (sheet.shape) {
        case LabelTemplate::Shape::Rectangle: {
            const double radius = twips::toPixels(sheet.cornerRadius);
            if (radius >= 1)
                p.drawRoundedRect(r, radius, radius);
            else
                p.drawRect(r);
            break;
        }
        case LabelTemplate::Shape::Round:
        case LabelTemplate::Shape::Ellipse:
            p.drawEllipse(r);
            break;
        case LabelTemplate::Shape::Cd: {
            const double radius = twips::toPixels(sheet.cdRadius);
            const bool cut = r.width() + 1 < 2 * radius || r.height() + 1 < 2 * radius;
            if (cut) {
                // A CD cut to a card: its circle within the card's outline.
                p.save();
                p.setClipRect(r.adjusted(0, 0, 1, 1));
                p.drawEllipse(r.center(), radius, radius);
                p.restore();
                p.drawRect(r);
            } else {
                p.drawEllipse(r);
            }
            const double hole = twips::toPixels(sheet.holeRadius);
            p.drawEllipse(r.center(), hole, hole);
            break;
        }
        }
    }
    p.end();
    return image.convertToFormat(QImage::Format_Indexed8, {field().rgb(), outline().rgb()},
                                 Qt::ThresholdDither | Qt::AvoidDither);
}

} // namespace brevmark
