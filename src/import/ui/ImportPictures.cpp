#include "import/ui/ImportPictures.h"

#include "platform/TransparentImage.h"
#include "platform/qt/CardPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace brevmark {

namespace {

const QColor navy(0, 48, 166);
const QColor accent(43, 208, 228);
const QColor edge(104, 140, 175);
const QColor ink(39, 65, 62);

void itemIcon(QPainter& p, int item, const QRectF& r, const QColor& c) {
    QPen pen(c, 1.6);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QPointF m = r.center();
    const double s = qMin(r.width(), r.height()) * 0.32;
    const auto arrow = [&](QPointF from, QPointF to) {
        p.drawLine(from, to);
        const QPointF d = (to - from) / std::hypot((to - from).x(), (to - from).y());
        const QPointF n(-d.y(), d.x());
        p.drawLine(to, to - d * s * 0.7 + n * s * 0.6);
        p.drawLine(to, to - d * s * 0.7 - n * s * 0.6);
    };
    switch (item) {
    case TableFunctions::RemoveRow: // a row struck out
        p.drawRect(QRectF(m.x() - s, m.y() - s * 0.45, 2 * s, s * 0.9));
        p.drawLine(QPointF(m.x() - s * 1.2, m.y() + s), QPointF(m.x() + s * 1.2, m.y() - s));
        break;
    case TableFunctions::Clear: { // an eraser
        QPainterPath path;
        path.moveTo(m.x() - s, m.y() + s * 0.2);
        path.lineTo(m.x() + s * 0.2, m.y() - s);
        path.lineTo(m.x() + s, m.y() - s * 0.2);
        path.lineTo(m.x() - s * 0.2, m.y() + s);
        path.closeSubpath();
        p.drawPath(path);
        p.drawLine(QPointF(m.x() - s * 0.6, m.y() - s * 0.2), QPointF(m.x(), m.y() + s * 0.4));
        break;
    }
    case TableFunctions::RowUp:
        arrow(QPointF(m.x(), m.y() + s), QPointF(m.x(), m.y() - s));
        break;
    case TableFunctions::RowDown:
        arrow(QPointF(m.x(), m.y() - s), QPointF(m.x(), m.y() + s));
        break;
    case TableFunctions::ColumnLeft:
        arrow(QPointF(m.x() + s, m.y()), QPointF(m.x() - s, m.y()));
        break;
    case TableFunctions::ColumnRight:
        arrow(QPointF(m.x() - s, m.y()), QPointF(m.x() + s, m.y()));
        break;
    default:
        break;
    }
}

QFont uiFont(int pixels, bool bold) {
    QFont f(QStringLiteral("新細明體"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

} // namespace

QImage ImportPictures::header(QSize pixels) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, pixels.height());
    g.setColorAt(0, QColor(250, 252, 255));
    g.setColorAt(1, QColor(214, 226, 242));
    p.fillRect(image.rect(), g);
    // Stretched sideways over a header of any width: only rows, no columns of its own (the gap
    // between two headers separates them).
    p.fillRect(QRect(0, 0, pixels.width(), 1), Qt::white);
    p.fillRect(QRect(0, pixels.height() - 1, pixels.width(), 1), edge);
    return image;
}

QImage ImportPictures::rowLabel(QSize pixels) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    QLinearGradient g(0, 0, pixels.width(), 0);
    g.setColorAt(0, QColor(232, 238, 248));
    g.setColorAt(1, QColor(218, 228, 243));
    p.fillRect(image.rect(), g);
    p.fillRect(QRect(pixels.width() - 1, 0, 1, pixels.height()), QColor(176, 196, 222));
    return image;
}

QImage ImportPictures::handle(QSize pixels, bool hover) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    // A tab hanging from the guide line, pointing down.
    QPainterPath tab;
    tab.moveTo(r.left(), r.top());
    tab.lineTo(r.right(), r.top());
    tab.lineTo(r.right(), r.bottom() - r.width() * 0.5);
    tab.lineTo(r.center().x(), r.bottom());
    tab.lineTo(r.left(), r.bottom() - r.width() * 0.5);
    tab.closeSubpath();
    QLinearGradient g(0, 0, pixels.width(), 0);
    g.setColorAt(0, hover ? accent.lighter(120) : QColor(60, 110, 220));
    g.setColorAt(1, hover ? accent : navy);
    p.setPen(QPen(navy.darker(120), 1));
    p.setBrush(g);
    p.drawPath(tab);
    p.setPen(QPen(QColor(255, 255, 255, 210), 1));
    for (int i = 0; i < 3; ++i) {
        const double y = r.top() + 4 + i * 3;
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
    }
    return image;
}

QImage ImportPictures::clearAll(QSize pixels, bool hover) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, pixels.height());
    g.setColorAt(0, hover ? QColor(230, 250, 253) : QColor(250, 252, 255));
    g.setColorAt(1, hover ? QColor(190, 238, 246) : QColor(214, 226, 242));
    p.fillRect(image.rect(), g);
    p.fillRect(QRect(0, pixels.height() - 1, pixels.width(), 1), edge);
    p.fillRect(QRect(pixels.width() - 1, 0, 1, pixels.height()), edge);
    // A corner triangle, as spreadsheets mark the cell that takes in the whole sheet.
    QPainterPath corner;
    const double s = pixels.height() * 0.55;
    corner.moveTo(pixels.width() - 3, pixels.height() - 3);
    corner.lineTo(pixels.width() - 3 - s, pixels.height() - 3);
    corner.lineTo(pixels.width() - 3, pixels.height() - 3 - s);
    corner.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(hover ? QColor(220, 70, 70) : edge);
    p.drawPath(corner);
    return image;
}

QImage ImportPictures::pastePopup(QSize pixels, bool hover) {
    QImage image = cardPicture(pixels);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (hover) {
        p.setPen(QPen(accent, 1.5));
        p.setBrush(QColor(43, 208, 228, 40));
        p.drawRoundedRect(QRectF(image.rect()).adjusted(1.5, 1.5, -2.5, -2.5), 7, 7);
    }
    // A clipboard.
    const double h = pixels.height();
    const QRectF board(8, h * 0.2, h * 0.5, h * 0.6);
    p.setPen(QPen(navy, 1.4));
    p.setBrush(Qt::white);
    p.drawRoundedRect(board, 2, 2);
    p.setBrush(navy);
    p.drawRoundedRect(QRectF(board.center().x() - 3, board.top() - 2, 6, 4), 1, 1);
    p.setPen(QPen(QColor(120, 140, 190), 1));
    for (int i = 0; i < 3; ++i) {
        const double y = board.top() + 5 + i * 3.5;
        p.drawLine(QPointF(board.left() + 3, y), QPointF(board.right() - 3, y));
    }
    p.setFont(uiFont(13, true));
    p.setPen(navy);
    p.drawText(QRectF(board.right() + 6, 0, pixels.width() - board.right() - 10, h),
               Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("貼上文字"));
    return image;
}

QImage ImportPictures::functionBar(QSize pixels, TableFunctions::Mode mode,
                                   const TableFunctions::Offered& offered) {
    QImage image = cardPicture(pixels);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double scale = double(pixels.width()) / (TableFunctions::bandRight(6) + 45);
    const QRectF first(TableFunctions::bandLeft(0) * scale, 0,
                       (TableFunctions::bandRight(0) - TableFunctions::bandLeft(0)) * scale,
                       pixels.height());
    p.setFont(uiFont(12, true));
    p.setPen(navy);
    p.drawText(first, Qt::AlignCenter,
               mode == TableFunctions::Mode::Row ? QStringLiteral("整行") : QStringLiteral("整列"));
    for (int item = 1; item < TableFunctions::itemCount; ++item) {
        const QRectF band(TableFunctions::bandLeft(item) * scale, 0,
                          (TableFunctions::bandRight(item) - TableFunctions::bandLeft(item)) *
                              scale,
                          pixels.height());
        p.setPen(QPen(QColor(208, 215, 229), 1));
        p.drawLine(QPointF(band.left(), 5), QPointF(band.left(), pixels.height() - 6));
        itemIcon(p, item, band,
                 offered[std::size_t(item)] ? QColor(10, 42, 122) : QColor(200, 208, 226));
    }
    return image;
}

QImage ImportPictures::functionItem(int item, QSize pixels) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(image.rect()).adjusted(1.5, 3.5, -1.5, -4.5);
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0, accent.lighter(125));
    g.setColorAt(1, accent);
    p.setPen(QPen(accent.darker(140), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 5, 5);
    itemIcon(p, item, r, QColor(10, 30, 50));
    return image;
}

QImage ImportPictures::title(QSize pixels, const QString& caption) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The program's mark: bars of one and two units.
    static const int pattern[] = {1, 1, 2, 1, 2, 1};
    double x = 1;
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    for (int w : pattern) {
        p.drawRect(QRectF(x, pixels.height() * 0.32, w * 1.2, pixels.height() * 0.36));
        x += (w + 1) * 1.2;
    }
    p.setFont(uiFont(12, true));
    p.setPen(Qt::white);
    p.drawText(QRectF(x + 3, 0, pixels.width() - x - 3, pixels.height()),
               Qt::AlignVCenter | Qt::AlignLeft, caption);
    return image;
}

} // namespace brevmark
