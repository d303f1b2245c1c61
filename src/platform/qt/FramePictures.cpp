#include "platform/qt/FramePictures.h"

#include "platform/TransparentImage.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace brevmark {

namespace {

const QColor navyTop(38, 69, 110);
const QColor navyBottom(22, 43, 71);
const QColor edge(27, 47, 75);
const QColor accent(43, 208, 228);
const QColor outline(11, 24, 42);

void titleGradient(QPainter& p, const QRect& r) {
    QLinearGradient g(0, 0, 0, r.height());
    g.setColorAt(0, navyTop);
    g.setColorAt(1, navyBottom);
    p.fillRect(r, g);
}

void drawBarcodeMark(QPainter& p, const QRectF& r, const QColor& color) {
    // A small barcode: bars of one and two units.
    static const int pattern[] = {1, 1, 2, 1, 1, 2, 2, 1, 1, 1, 2, 1, 1};
    double units = 0;
    for (int w : pattern)
        units += w;
    units += 12; // gaps
    const double unit = r.width() / units;
    double x = r.left();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    for (int w : pattern) {
        p.drawRect(QRectF(x, r.top(), w * unit, r.height()));
        x += (w + 1) * unit;
    }
}

} // namespace

QImage FramePictures::piece(int index, QSize pixels) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect r = image.rect();
    switch (index) {
    case 0:
    case 1:
    case 2:
    case 3: {
        titleGradient(p, r);
        // A thin accent line under the title band.
        p.fillRect(QRect(0, r.height() - 2, r.width(), 2), accent.darker(140));
        if (index == 0)
            p.fillRect(QRect(0, 0, 1, r.height()), outline);
        if (index == 3)
            p.fillRect(QRect(r.width() - 1, 0, 1, r.height()), outline);
        p.fillRect(QRect(0, 0, r.width(), 1), outline);
        if (index == 1) {
            drawBarcodeMark(p, QRectF(4, 8, 26, 15), accent);
            QFont f(QStringLiteral("DejaVu Sans"));
            f.setPixelSize(14);
            f.setBold(true);
            p.setFont(f);
            p.setPen(Qt::white);
            p.drawText(QRect(38, 0, 160, r.height() - 2), Qt::AlignVCenter | Qt::AlignLeft,
                       QStringLiteral("Tavo Brevmark"));
        }
        break;
    }
    case 4:
    case 5:
        p.fillRect(r, edge);
        p.fillRect(index == 4 ? QRect(0, 0, 1, r.height()) : QRect(r.width() - 1, 0, 1, r.height()),
                   outline);
        break;
    case 6:
    case 7:
    case 8: {
        QLinearGradient g(0, 0, 0, r.height());
        g.setColorAt(0, edge);
        g.setColorAt(1, navyBottom.darker(115));
        p.fillRect(r, g);
        p.fillRect(QRect(0, r.height() - 1, r.width(), 1), outline);
        if (index == 6)
            p.fillRect(QRect(0, 0, 1, r.height()), outline);
        if (index == 8)
            p.fillRect(QRect(r.width() - 1, 0, 1, r.height()), outline);
        break;
    }
    default:
        break;
    }
    return image;
}

QImage FramePictures::resizeGrip(QSize pixels) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(accent.lighter(110));
    const int w = pixels.width();
    const int h = pixels.height();
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col <= row; ++col)
            p.drawEllipse(QPointF(w - 4 - col * 4, h - 4 - (2 - row) * 4 - (row - col) * 0), 1.2,
                          1.2);
    return image;
}

namespace {

void drawCaptionGlyph(QPainter& p, const QRectF& r, FramePictures::CaptionButton b,
                      const QColor& c) {
    QPen pen(c, 1.6);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QPointF m = r.center();
    const double s = 4.5;
    switch (b) {
    case FramePictures::CaptionButton::Minimise:
        p.drawLine(QPointF(m.x() - s, m.y() + 3), QPointF(m.x() + s, m.y() + 3));
        break;
    case FramePictures::CaptionButton::Maximise:
        p.drawRect(QRectF(m.x() - s, m.y() - s + 0.5, 2 * s, 2 * s - 1));
        break;
    case FramePictures::CaptionButton::Close:
        p.drawLine(QPointF(m.x() - s, m.y() - s), QPointF(m.x() + s, m.y() + s));
        p.drawLine(QPointF(m.x() - s, m.y() + s), QPointF(m.x() + s, m.y() - s));
        break;
    }
}

} // namespace

QImage FramePictures::captionFace(bool withMaximise, QSize pixels) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const int count = withMaximise ? 3 : 2;
    const double w = double(pixels.width()) / count;
    for (int i = 0; i < count; ++i) {
        CaptionButton b = CaptionButton::Close;
        if (i == 0)
            b = CaptionButton::Minimise;
        else if (i == 1 && withMaximise)
            b = CaptionButton::Maximise;
        drawCaptionGlyph(p, QRectF(i * w, 0, w, pixels.height()), b, QColor(225, 234, 245));
    }
    return image;
}

QImage FramePictures::captionButton(CaptionButton button, Face face, QSize pixels) {
    QImage image = transparentImage(pixels);
    if (face == Face::Normal)
        return image;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const bool close = button == CaptionButton::Close;
    QColor fill = close ? QColor(224, 72, 72) : QColor(255, 255, 255, 46);
    if (face == Face::Pressed)
        fill = close ? QColor(170, 40, 40) : QColor(0, 0, 0, 70);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(image.rect()).adjusted(1, 1, -1, -1), 4, 4);
    drawCaptionGlyph(p, QRectF(image.rect()), button, Qt::white);
    return image;
}

namespace {

// The six toolbar buttons, the clear button, then the bulk import window's two buttons.
const char* const toolbarCaptions[9] = {"記錄", "排版", "紙張",           "排列",    "列印",
                                        "設定", "清除", "Excel 記憶匯入", "儲存資料"};

void drawToolbarIcon(QPainter& p, int index, const QRectF& r, const QColor& c) {
    QPen pen(c, 1.4);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (index) {
    case 0: // records: a stack of cards
        p.drawRoundedRect(r.adjusted(2, 1, 0, -3), 1.5, 1.5);
        p.drawLine(QPointF(r.left(), r.top() + 4), QPointF(r.left(), r.bottom()));
        p.drawLine(QPointF(r.left(), r.bottom()), QPointF(r.right() - 2, r.bottom()));
        break;
    case 1: // layouts: a grid
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j)
                p.drawRect(QRectF(r.left() + i * r.width() / 2 + 0.5,
                                  r.top() + j * r.height() / 2 + 0.5, r.width() / 2 - 2,
                                  r.height() / 2 - 2));
        break;
    case 2: { // paper with a folded corner
        QPainterPath path;
        path.moveTo(r.left() + 1, r.top());
        path.lineTo(r.right() - 4, r.top());
        path.lineTo(r.right(), r.top() + 4);
        path.lineTo(r.right(), r.bottom());
        path.lineTo(r.left() + 1, r.bottom());
        path.closeSubpath();
        p.drawPath(path);
        break;
    }
    case 3: // arrange: rows of labels
        for (int j = 0; j < 3; ++j)
            p.drawRect(QRectF(r.left(), r.top() + j * r.height() / 3 + 0.5, r.width(),
                              r.height() / 3 - 2));
        break;
    case 4: { // printer
        p.drawRect(QRectF(r.left(), r.top() + r.height() * 0.35, r.width(), r.height() * 0.4));
        p.drawRect(QRectF(r.left() + 3, r.top(), r.width() - 6, r.height() * 0.35));
        p.drawRect(
            QRectF(r.left() + 3, r.top() + r.height() * 0.75, r.width() - 6, r.height() * 0.25));
        break;
    }
    case 5: { // gear
        const QPointF m = r.center();
        const double outer = r.height() / 2;
        for (int k = 0; k < 8; ++k) {
            QTransform t;
            t.translate(m.x(), m.y());
            t.rotate(k * 45);
            p.drawLine(t.map(QPointF(0, outer * 0.55)), t.map(QPointF(0, outer)));
        }
        p.drawEllipse(m, outer * 0.55, outer * 0.55);
        break;
    }
    case 6: { // clear: a waste bin
        const double w = r.width();
        p.drawLine(QPointF(r.left(), r.top() + 3), QPointF(r.right(), r.top() + 3));
        p.drawLine(QPointF(r.left() + w * 0.35, r.top() + 1),
                   QPointF(r.right() - w * 0.35, r.top() + 1));
        QPainterPath bin;
        bin.moveTo(r.left() + w * 0.12, r.top() + 4);
        bin.lineTo(r.left() + w * 0.22, r.bottom());
        bin.lineTo(r.right() - w * 0.22, r.bottom());
        bin.lineTo(r.right() - w * 0.12, r.top() + 4);
        p.drawPath(bin);
        for (double x : {0.4, 0.6})
            p.drawLine(QPointF(r.left() + w * x, r.top() + 6),
                       QPointF(r.left() + w * x, r.bottom() - 2));
        break;
    }
    case 7: { // spreadsheet import: a sheet of cells with an arrow into it
        p.drawRect(r.adjusted(3, 0, 0, -3));
        p.drawLine(QPointF(r.left() + 3, r.center().y() - 2),
                   QPointF(r.right(), r.center().y() - 2));
        p.drawLine(QPointF(r.center().x() + 1.5, r.top()),
                   QPointF(r.center().x() + 1.5, r.bottom() - 3));
        p.drawLine(QPointF(r.left(), r.bottom()), QPointF(r.left() + 6, r.bottom() - 6));
        p.drawLine(QPointF(r.left() + 6, r.bottom() - 6), QPointF(r.left() + 6, r.bottom() - 2));
        p.drawLine(QPointF(r.left() + 6, r.bottom() - 6), QPointF(r.left() + 2, r.bottom() - 6));
        break;
    }
    case 8: { // save: a tray taking a record
        const double m = r.center().x();
        p.drawLine(QPointF(m, r.top()), QPointF(m, r.center().y() + 2));
        p.drawLine(QPointF(m - 3, r.center().y() - 1), QPointF(m, r.center().y() + 2));
        p.drawLine(QPointF(m + 3, r.center().y() - 1), QPointF(m, r.center().y() + 2));
        QPainterPath tray;
        tray.moveTo(r.left(), r.center().y() + 1);
        tray.lineTo(r.left(), r.bottom());
        tray.lineTo(r.right(), r.bottom());
        tray.lineTo(r.right(), r.center().y() + 1);
        p.drawPath(tray);
        break;
    }
    default:
        break;
    }
}

} // namespace

QImage FramePictures::toolbarButton(int index, Face face, QSize pixels) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor text(222, 232, 245);
    if (face == Face::Normal) {
        p.setPen(QPen(QColor(255, 255, 255, 40), 1));
        p.setBrush(QColor(255, 255, 255, 14));
    } else {
        QLinearGradient g(0, 0, 0, r.height());
        g.setColorAt(0, face == Face::Pressed ? accent.darker(130) : accent.lighter(115));
        g.setColorAt(1, face == Face::Pressed ? accent.darker(160) : accent);
        p.setPen(QPen(accent.darker(150), 1));
        p.setBrush(g);
        text = QColor(10, 30, 50);
    }
    p.drawRoundedRect(r, 5, 5);
    const double iconSize = qMin(14.0, r.height() - 6);
    const QRectF icon(r.left() + 6, r.center().y() - iconSize / 2, iconSize, iconSize);
    drawToolbarIcon(p, index, icon, text);
    QFont f;
    f.setPixelSize(11);
    p.setFont(f);
    p.setPen(text);
    p.drawText(QRectF(icon.right() + 3, r.top(), r.right() - icon.right() - 5, r.height()),
               Qt::AlignCenter, QString::fromUtf8(toolbarCaptions[index]));
    return image;
}

QImage FramePictures::layoutToggle(int index, QSize pixels) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool hover = index == 0 || index == 1;
    // What the picture offers: the other layout's name on hover, the current one otherwise.
    const QString caption =
        (index == 0 || index == 3) ? QStringLiteral("簡易版") : QStringLiteral("專業版");
    const QString shown =
        hover ? (index == 0 ? QStringLiteral("專業版") : QStringLiteral("簡易版")) : caption;
    p.setPen(QPen(hover ? accent : QColor(255, 255, 255, 70), 1));
    p.setBrush(hover ? QColor(43, 208, 228, 60) : QColor(255, 255, 255, 18));
    p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
    // Two arrows facing each other: a switch.
    QPen arrow(hover ? accent.lighter(130) : QColor(200, 214, 232), 1.4);
    p.setPen(arrow);
    const double y = r.center().y();
    const double x = r.left() + 9;
    p.drawLine(QPointF(x - 4, y - 2), QPointF(x + 4, y - 2));
    p.drawLine(QPointF(x + 2, y - 4), QPointF(x + 4, y - 2));
    p.drawLine(QPointF(x - 4, y + 2), QPointF(x + 4, y + 2));
    p.drawLine(QPointF(x - 4, y + 2), QPointF(x - 2, y + 4));
    QFont f;
    f.setPixelSize(11);
    f.setBold(hover);
    p.setFont(f);
    p.setPen(hover ? Qt::white : QColor(222, 232, 245));
    p.drawText(r.adjusted(16, 0, -4, 0), Qt::AlignCenter, shown);
    return image;
}

} // namespace brevmark
