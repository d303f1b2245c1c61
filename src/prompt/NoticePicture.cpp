#include "prompt/NoticePicture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace brevmark {

namespace {

enum class Sign { Plus, Cross, Pencil };

struct NoticeLook {
    Sign sign;
    QColor accent;
};

NoticeLook lookOf(int notice) {
    switch (notice) {
    case 1:
        return {Sign::Plus, QColor(34, 160, 84)};
    case 2:
        return {Sign::Cross, QColor(214, 48, 49)};
    case 3:
        return {Sign::Pencil, QColor(0, 98, 204)};
    default:
        return {Sign::Pencil, QColor(230, 126, 34)};
    }
}

// Code 39 "*OK*" as narrow (1) and wide (3) elements, bar first; a gap of one between characters.
constexpr const char* barcodeElements = "1311313111"
                                        "1111331131"
                                        "3111113113"
                                        "1311313111";

void drawBarcode(QPainter& p, const QRectF& area) {
    int units = 0;
    for (const char* c = barcodeElements; *c; ++c)
        units += *c - '0';
    units += 3; // gaps between the four characters
    const double unit = area.width() / units;
    double x = area.left();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(28, 32, 40));
    int element = 0;
    for (const char* c = barcodeElements; *c; ++c, ++element) {
        const double w = (*c - '0') * unit;
        if (element % 2 == 0)
            p.drawRect(QRectF(x, area.top(), w, area.height()));
        x += w;
        if (element % 10 == 9)
            x += unit;
    }
}

void drawSign(QPainter& p, Sign sign, const QColor& accent, const QPointF& centre, double radius) {
    QRadialGradient glow(centre - QPointF(radius * 0.3, radius * 0.35), radius * 1.4);
    glow.setColorAt(0, accent.lighter(135));
    glow.setColorAt(1, accent.darker(115));
    p.setPen(QPen(accent.darker(130), 1.2));
    p.setBrush(glow);
    p.drawEllipse(centre, radius, radius);

    p.save();
    p.translate(centre);
    const double r = radius * 0.5;
    QPen white(Qt::white, radius * 0.26, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(white);
    p.setBrush(Qt::NoBrush);
    switch (sign) {
    case Sign::Plus:
        p.drawLine(QPointF(-r, 0), QPointF(r, 0));
        p.drawLine(QPointF(0, -r), QPointF(0, r));
        break;
    case Sign::Cross:
        p.drawLine(QPointF(-r * 0.8, -r * 0.8), QPointF(r * 0.8, r * 0.8));
        p.drawLine(QPointF(-r * 0.8, r * 0.8), QPointF(r * 0.8, -r * 0.8));
        break;
    case Sign::Pencil: {
        p.rotate(-45);
        const double len = radius * 1.15, half = radius * 0.17;
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        // body, ferrule and eraser
        p.drawRect(QRectF(-len / 2 + half * 1.6, -half, len - half * 2.8, half * 2));
        p.setBrush(QColor(255, 255, 255, 170));
        p.drawRoundedRect(QRectF(len / 2 - half * 1.2, -half, half * 1.2, half * 2), 1.5, 1.5);
        // sharpened tip with its lead
        QPainterPath tip;
        tip.moveTo(-len / 2 + half * 1.6, -half);
        tip.lineTo(-len / 2, 0);
        tip.lineTo(-len / 2 + half * 1.6, half);
        tip.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(tip);
        p.setBrush(accent.darker(150));
        QPainterPath lead;
        lead.moveTo(-len / 2 + half * 0.6, -half * 0.38);
        lead.lineTo(-len / 2, 0);
        lead.lineTo(-len / 2 + half * 0.6, half * 0.38);
        lead.closeSubpath();
        p.drawPath(lead);
        break;
    }
    }
    p.restore();
}

void drawCaption(QPainter& p, const QString& text, const QColor& accent, const QRectF& area) {
    QFont font(QStringLiteral("AR PL UMing TW"));
    font.setPixelSize(int(area.height() * 0.78));
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    const double scale = qMin(1.0, area.width() / bounds.width());
    p.save();
    p.translate(area.center());
    p.scale(scale, scale);
    p.translate(-bounds.center());
    // A thin outline in the same colour thickens the light strokes of the available CJK face.
    p.setPen(QPen(accent.darker(140), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(accent.darker(140));
    p.drawPath(path);
    p.restore();
}

} // namespace

QString NoticePicture::caption(int notice) {
    switch (notice) {
    case 1:
        return QStringLiteral("完成新增");
    case 2:
        return QStringLiteral("完成刪除");
    case 3:
        return QStringLiteral("完成記錄");
    case 4:
        return QStringLiteral("完成修改");
    default:
        return {};
    }
}

QImage NoticePicture::render(int notice) {
    if (notice < 1 || notice > 4)
        return {};
    const NoticeLook look = lookOf(notice);
    constexpr double scale = 2.0;
    QImage image(int(widthPixels * scale), int(heightPixels * scale), QImage::Format_ARGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF all(0, 0, widthPixels, heightPixels);

    QLinearGradient card(all.topLeft(), all.bottomLeft());
    card.setColorAt(0, QColor(252, 253, 255));
    card.setColorAt(1, QColor(228, 236, 250));
    p.fillRect(all, card);
    // accent strip on the left edge
    p.fillRect(QRectF(0, 0, 5, heightPixels), look.accent);

    // the barcode on a white label with a soft shadow
    const QRectF label(14, 11, 70, 50);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 28));
    p.drawRoundedRect(label.translated(1.5, 2), 5, 5);
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(200, 208, 222), 0.8));
    p.drawRoundedRect(label, 5, 5);
    drawBarcode(p, label.adjusted(7, 7, -7, -11));
    p.setPen(QColor(90, 96, 110));
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(7);
    p.setFont(small);
    p.drawText(QRectF(label.left(), label.bottom() - 11, label.width(), 10), Qt::AlignCenter,
               QStringLiteral("OK"));

    drawSign(p, look.sign, look.accent, QPointF(110, 36), 19);
    drawCaption(p, caption(notice), look.accent, QRectF(138, 15, 120, 42));
    p.end();
    return image;
}

} // namespace brevmark
