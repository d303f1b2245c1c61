#include "shell/LockScreenPictures.h"

#include "platform/TransparentImage.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace brevmark {

namespace {

const QColor navyTop(38, 69, 110);
const QColor navyBottom(22, 43, 71);
const QColor accent(43, 208, 228);

QFont pixelFont(int pixelSize, bool bold) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

} // namespace

QImage LockScreenPictures::background(QSize pixels, int bandHeight) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect all = image.rect();

    QLinearGradient body(0, bandHeight, 0, all.height());
    body.setColorAt(0, QColor(244, 247, 253));
    body.setColorAt(1, QColor(222, 230, 246));
    p.fillRect(all, body);

    const QRect band(0, 0, all.width(), bandHeight);
    QLinearGradient title(0, 0, 0, bandHeight);
    title.setColorAt(0, navyTop);
    title.setColorAt(1, navyBottom);
    p.fillRect(band, title);
    p.fillRect(QRect(0, bandHeight - 2, all.width(), 2), accent.darker(140));

    // The program's barcode mark and name, as in the main window's title.
    static const int bars[] = {1, 1, 2, 1, 1, 2, 2, 1, 1, 1, 2, 1, 1};
    double x = 18;
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    for (int w : bars) {
        p.drawRect(QRectF(x, bandHeight / 2.0 - 9, w * 1.6, 18));
        x += (w + 1) * 1.6;
    }
    p.setPen(Qt::white);
    p.setFont(pixelFont(16, true));
    p.drawText(QRect(74, 0, all.width() - 80, bandHeight - 2), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Tavo Brevmark"));
    p.setPen(QColor(176, 198, 226));
    p.setFont(pixelFont(11, false));
    p.drawText(QRect(0, 0, all.width() - 16, bandHeight - 2), Qt::AlignVCenter | Qt::AlignRight,
               QStringLiteral("條碼標籤 設計列印"));

    // A soft divider above the note at the bottom.
    p.fillRect(QRect(16, all.height() - 40, all.width() - 32, 1), QColor(196, 208, 232));
    return image;
}

QImage LockScreenPictures::padlock(QSize pixels) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = pixels.width();
    const double h = pixels.height();

    // Shackle.
    QPen shackle(QColor(86, 102, 132), w * 0.11);
    shackle.setCapStyle(Qt::FlatCap);
    p.setPen(shackle);
    p.setBrush(Qt::NoBrush);
    const QRectF arc(w * 0.26, h * 0.06, w * 0.48, h * 0.56);
    QPainterPath loop;
    loop.moveTo(arc.left(), h * 0.46);
    loop.lineTo(arc.left(), arc.center().y());
    loop.arcTo(arc, 180, -180);
    loop.lineTo(arc.right(), h * 0.46);
    p.drawPath(loop);

    // Body.
    const QRectF body(w * 0.12, h * 0.42, w * 0.76, h * 0.54);
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(0, QColor(70, 138, 246));
    g.setColorAt(1, QColor(30, 86, 200));
    p.setPen(QPen(QColor(20, 60, 150), 1));
    p.setBrush(g);
    p.drawRoundedRect(body, w * 0.1, w * 0.1);

    // Keyhole.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 244, 255));
    const QPointF c(body.center().x(), body.top() + body.height() * 0.42);
    p.drawEllipse(c, w * 0.075, w * 0.075);
    p.drawRect(QRectF(c.x() - w * 0.03, c.y(), w * 0.06, body.height() * 0.3));
    return image;
}

} // namespace brevmark
