#include "print/PrintButtonPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace brevmark {

void PrintButtonPictures::drawPrinterSymbol(QPainter& p, const QRectF& box, const QColor& ink) {
    const qreal w = box.width();
    const qreal h = box.height();
    p.save();
    p.translate(box.topLeft());
    QPen pen(ink, qMax<qreal>(1.0, w / 14.0));
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    // Paper going in, the body, the paper coming out with a few bars on it.
    p.drawRect(QRectF(w * 0.28, h * 0.05, w * 0.44, h * 0.28));
    QPainterPath body;
    body.addRoundedRect(QRectF(w * 0.05, h * 0.33, w * 0.9, h * 0.4), w * 0.08, w * 0.08);
    p.drawPath(body);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(w * 0.25, h * 0.58, w * 0.5, h * 0.37));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const qreal barTop = h * 0.66;
    const qreal barH = h * 0.2;
    const qreal xs[] = {0.31, 0.36, 0.39, 0.46, 0.5, 0.56, 0.62, 0.66};
    const qreal ws[] = {0.03, 0.015, 0.04, 0.015, 0.035, 0.02, 0.015, 0.03};
    for (int i = 0; i < 8; ++i)
        p.drawRect(QRectF(w * xs[i], barTop, w * ws[i], barH));
    p.setBrush(QColor(80, 220, 120));
    p.drawEllipse(QPointF(w * 0.82, h * 0.45), w * 0.04, w * 0.04);
    p.restore();
}

QImage PrintButtonPictures::face(Face face, QSize pixels, qreal devicePixelRatio) {
    QImage image(pixels * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(0, 0, pixels.width(), pixels.height());
    const bool pressed = face == Face::Pressed;
    const QRectF key = all.adjusted(1.5, pressed ? 2.5 : 1.5, -1.5, pressed ? -0.5 : -2.5);

    if (!pressed) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 30, 90, 60));
        p.drawRoundedRect(key.translated(0, 2), 7, 7);
    }
    QLinearGradient fill(key.topLeft(), key.bottomLeft());
    switch (face) {
    case Face::Raised:
        fill.setColorAt(0, QColor(74, 144, 226));
        fill.setColorAt(1, QColor(24, 84, 170));
        break;
    case Face::Highlighted:
        fill.setColorAt(0, QColor(110, 176, 248));
        fill.setColorAt(1, QColor(40, 110, 210));
        break;
    case Face::Pressed:
        fill.setColorAt(0, QColor(18, 66, 140));
        fill.setColorAt(1, QColor(44, 110, 196));
        break;
    }
    p.setPen(QPen(QColor(12, 48, 110), 1));
    p.setBrush(fill);
    p.drawRoundedRect(key, 7, 7);
    if (!pressed) {
        p.setPen(QPen(QColor(255, 255, 255, 90), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(key.adjusted(1, 1, -1, -1), 6, 6);
    }

    const qreal iconSize = key.height() * 0.72;
    const QRectF icon(key.left() + key.height() * 0.28, key.center().y() - iconSize / 2, iconSize,
                      iconSize);
    drawPrinterSymbol(p, icon, Qt::white);

    QFont font = p.font();
    font.setPixelSize(qMax(9, int(key.height() * 0.44)));
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    const QRectF textBox(icon.right() + 2, key.top(), key.right() - icon.right() - 4, key.height());
    p.drawText(textBox, Qt::AlignCenter, QStringLiteral("列印"));
    return image;
}

} // namespace brevmark
