#include "platform/qt/CardPicture.h"

#include "platform/TransparentImage.h"

#include <QLinearGradient>
#include <QPainter>

namespace brevmark {

QImage cardPicture(QSize pixels, const QString& title) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(image.rect()).adjusted(0.5, 0.5, -1.5, -1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 30, 100, 35));
    p.drawRoundedRect(box.translated(1, 1), 8, 8);
    QLinearGradient g(0, 0, 0, pixels.height());
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, QColor(242, 246, 255));
    p.setBrush(g);
    p.setPen(QPen(QColor(160, 178, 230), 1));
    p.drawRoundedRect(box, 8, 8);
    if (!title.isEmpty()) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(43, 208, 228));
        p.drawRoundedRect(QRectF(10, 9, 4, 14), 2, 2);
        QFont font = p.font();
        font.setPixelSize(14);
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(0, 48, 166));
        p.drawText(QRectF(20, 4, pixels.width() - 30, 24), Qt::AlignVCenter | Qt::AlignLeft, title);
    }
    return image;
}

QImage closeButtonPicture(bool hover, QSize pixels) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(image.rect()).adjusted(1, 1, -1, -1);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1));
    p.setBrush(hover ? QColor(232, 60, 60) : QColor(255, 255, 255, 50));
    p.drawEllipse(box);
    p.setPen(QPen(Qt::white, qMax<qreal>(2.0, box.width() / 10), Qt::SolidLine, Qt::RoundCap));
    const qreal inset = box.width() * 0.32;
    const QRectF cross = box.adjusted(inset, inset, -inset, -inset);
    p.drawLine(cross.topLeft(), cross.bottomRight());
    p.drawLine(cross.topRight(), cross.bottomLeft());
    return image;
}

} // namespace brevmark
