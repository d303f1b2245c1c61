#include "alignment/ui/AlignmentPictures.h"

#include "alignment/LabelTemplate.h"
#include "alignment/SheetFormat.h"
#include "common/ScreenPixels.h"
#include "common/Twips.h"
#include "platform/TransparentImage.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace brevmark {

namespace {

const QColor navy(0, 48, 166);
const QColor accent(47, 111, 237);
const QColor ink(44, 52, 66);
const QColor guideRed(246, 169, 169);
// Below the small sheet of each card: the label count, the label size and the highlight's ribbon.
constexpr double captionHeight = 92;

QFont pixelFont(int pixels, bool bold = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// A length of the guide picture (pixels at page scale) in millimetres, one decimal when needed.
QString millimetres(int pagePixels) {
    return LabelTemplate::millimetres(twips::fromPixels(pagePixels));
}

// A white card with a soft shadow, under each format and under the finder.
void drawCard(QPainter& p, const QRectF& card) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 30, 100, 30));
    p.drawRoundedRect(card.translated(1, 1), 8, 8);
    p.setPen(QPen(QColor(160, 178, 230), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, 8, 8);
}

// The sheet in small: the paper and its labels as the guide picture draws them.
void drawSheet(QPainter& p, const SheetFormat& f, const QRectF& paper) {
    p.setPen(QPen(QColor(176, 188, 210), 1));
    p.setBrush(Qt::white);
    p.drawRect(paper);
    // The guide's offset and picture size place the labels on the A4 paper (12000 x 16700).
    const double scale = paper.width() / 12000.0;
    const QPointF origin = paper.topLeft() + f.defaultOffset * scale;
    p.setPen(QPen(guideRed.darker(125), 0.8));
    p.setBrush(QColor(252, 236, 236));
    for (const SheetFormat::Span& c : f.columns)
        for (const SheetFormat::Span& r : f.rows)
            p.drawRect(QRectF(origin.x() + c.first * 15 * scale, origin.y() + r.first * 15 * scale,
                              (c.second - c.first) * 15 * scale,
                              (r.second - r.first) * 15 * scale));
}

} // namespace

QImage AlignmentPictures::background(QSize pixels, const QRect& finder) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, pixels.height());
    g.setColorAt(0, QColor(236, 242, 255));
    g.setColorAt(1, QColor(214, 224, 248));
    p.fillRect(image.rect(), g);
    // The title band down the left edge.
    QLinearGradient band(0, 0, 0, pixels.height());
    band.setColorAt(0, navy);
    band.setColorAt(1, QColor(60, 110, 220));
    p.fillRect(QRectF(0, 0, 19, pixels.height()), band);

    for (const SheetFormat& f : SheetFormats::all()) {
        const QRectF card = QRectF(screen::rect(f.windowArea)).adjusted(2, 2, -2, -2);
        drawCard(p, card);

        // The sheet at A4 proportions in the upper part of the card.
        const double paperHeight = card.height() - captionHeight;
        const double paperWidth = paperHeight * 12000.0 / 16700.0;
        const QRectF paper(card.center().x() - paperWidth / 2, card.top() + 12, paperWidth,
                           paperHeight);
        drawSheet(p, f, paper);

        const SheetFormat::Span& c = f.columns.first();
        const SheetFormat::Span& r = f.rows.first();
        p.setPen(navy);
        p.setFont(pixelFont(15, true));
        p.drawText(QRectF(card.left(), paper.bottom() + 6, card.width(), 22), Qt::AlignCenter,
                   QStringLiteral("%1 格").arg(f.number));
        p.setPen(ink);
        p.setFont(pixelFont(11));
        p.drawText(QRectF(card.left(), paper.bottom() + 28, card.width(), 18), Qt::AlignCenter,
                   QStringLiteral("%1 × %2 · %3 × %4 mm")
                       .arg(f.columns.size())
                       .arg(f.rows.size())
                       .arg(millimetres(c.second - c.first), millimetres(r.second - r.first)));
    }

    drawCard(p, QRectF(finder).adjusted(2, 2, -2, -2));

    p.setPen(navy);
    p.setFont(pixelFont(13, true));
    const int bottom = pixels.height();
    p.drawText(QRect(28, bottom - 40, 300, 34), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("標籤貼紙 對齊格式線"));
    p.setPen(QColor(96, 110, 140));
    p.setFont(pixelFont(11));
    p.drawText(QRect(200, bottom - 40, pixels.width() - 250, 34), Qt::AlignVCenter | Qt::AlignRight,
               QStringLiteral("點選格式，格式線畫在紙張上 · Esc 離開"));
    // The frame of the program's own windows: dark blue outside, light blue inside.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(navy);
    p.drawRect(0, 0, pixels.width() - 1, pixels.height() - 1);
    p.setPen(QColor(128, 128, 255));
    p.drawRect(1, 1, pixels.width() - 3, pixels.height() - 3);
    return image;
}

QImage AlignmentPictures::highlight(const SheetFormat&, QSize pixels) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(image.rect()).adjusted(2, 2, -2, -2);
    p.setPen(QPen(accent, 2.5));
    p.setBrush(QColor(47, 111, 237, 38));
    p.drawRoundedRect(r, 8, 8);
    // A ribbon at the foot of the card, below its captions: the click applies this format.
    const QRectF ribbon(r.center().x() - 34, r.bottom() - 22, 68, 17);
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawRoundedRect(ribbon, 9, 9);
    p.setPen(Qt::white);
    p.setFont(pixelFont(11, true));
    p.drawText(ribbon, Qt::AlignCenter, QStringLiteral("套用"));
    return image;
}

QImage AlignmentPictures::closeButton(bool hover, QSize pixels) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(image.rect()).adjusted(1, 1, -1, -1);
    p.setPen(QPen(hover ? QColor(200, 60, 60) : QColor(150, 166, 200), 1));
    p.setBrush(hover ? QColor(232, 80, 80) : Qt::white);
    p.drawEllipse(r);
    QPen cross(hover ? Qt::white : navy, 2);
    cross.setCapStyle(Qt::RoundCap);
    p.setPen(cross);
    const double s = r.width() * 0.22;
    const QPointF m = r.center();
    p.drawLine(m + QPointF(-s, -s), m + QPointF(s, s));
    p.drawLine(m + QPointF(-s, s), m + QPointF(s, -s));
    return image;
}

QImage AlignmentPictures::handle(QSize pixels) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(200, 70, 70), 1));
    p.setBrush(QColor(255, 244, 244));
    p.drawRoundedRect(r, 4, 4);
    // Four arrows out of the centre.
    const QPointF m = r.center();
    const double arm = r.width() * 0.34;
    const double head = r.width() * 0.13;
    QPen pen(QColor(200, 70, 70), 1.4);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.drawLine(m + QPointF(-arm, 0), m + QPointF(arm, 0));
    p.drawLine(m + QPointF(0, -arm), m + QPointF(0, arm));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 70, 70));
    for (int q = 0; q < 4; ++q) {
        QTransform t;
        t.translate(m.x(), m.y());
        t.rotate(90 * q);
        QPolygonF tip{QPointF(arm + 1, 0), QPointF(arm - head, -head), QPointF(arm - head, head)};
        p.drawPolygon(t.map(tip));
    }
    return image;
}

} // namespace brevmark
