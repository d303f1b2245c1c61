#include "settings/SettingsPictures.h"

#include "platform/TransparentImage.h"
#include "platform/qt/CardPicture.h"

#include "print/PrintButtonPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace brevmark {

namespace {

const QColor navy(0, 48, 166);
const QColor lavender(128, 128, 255);
const QColor accent(43, 208, 228);

// Twips of a picture to its pixels.
qreal px(qreal twips) {
    return twips / 15.0;
}

// Where a click chooses an option: a faint tint without an outline, which would read as a
// dashed focus rectangle.
void captionArea(QPainter& p, const QRectF& area) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(47, 111, 237, 14));
    p.drawRoundedRect(area, 4, 4);
}

} // namespace

QImage SettingsPictures::windowBackground(QSize pixels) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, pixels.height());
    g.setColorAt(0, QColor(236, 242, 255));
    g.setColorAt(1, QColor(214, 224, 248));
    p.fillRect(image.rect(), g);
    QLinearGradient band(0, 0, pixels.width(), 0);
    band.setColorAt(0, QColor(0, 48, 166));
    band.setColorAt(1, QColor(60, 110, 220));
    p.fillRect(QRectF(0, 0, pixels.width(), px(780)), band);
    return image;
}

QImage SettingsPictures::panelBackground(QSize pixels, const QString& title) {
    return cardPicture(pixels, title);
}

QImage SettingsPictures::sample(int s, QSize pixels) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    p.fillRect(image.rect(), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    // A fixed run of narrow and wide bars, each bar made of printed lines.
    static const int widths[] = {1, 3, 1, 1, 3, 1, 3, 1, 1, 3, 1, 1, 3, 1, 3, 1, 1, 3, 1};
    const qreal module = pixels.width() / 30.0;
    const qreal top = pixels.height() * 0.12;
    const qreal height = pixels.height() * 0.76;
    qreal x = module;
    bool bar = true;
    const int distance = s - 9; // negative: lines overlap, positive: gaps open
    for (int w : widths) {
        if (bar) {
            if (distance <= 0) {
                const qreal swell = -distance * module * 0.09;
                p.fillRect(QRectF(x - swell, top, w * module + 2 * swell, height),
                           QColor(20, 20, 30));
            } else {
                const int lines = qMax(1, w * 2);
                const qreal pitch = w * module / lines;
                const qreal ink = pitch * qMax(0.25, 1.0 - distance * 0.09);
                for (int i = 0; i < lines; ++i)
                    p.fillRect(QRectF(x + i * pitch, top, ink, height), QColor(20, 20, 30));
            }
        }
        x += w * module;
        bar = !bar;
    }
    return image;
}

QImage SettingsPictures::statusPicture(int level, int sampleIndex, QSize pixels) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal nameWidth = pixels.height() * 1.3;
    p.setPen(QPen(QColor(190, 200, 230), 1));
    p.setBrush(QColor(248, 250, 255));
    p.drawRoundedRect(QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    QFont font = p.font();
    font.setPixelSize(qMax(9, int(pixels.height() * 0.5)));
    font.setBold(true);
    p.setFont(font);
    p.setPen(navy);
    p.drawText(QRectF(0, 0, nameWidth, pixels.height()), Qt::AlignCenter,
               QStringLiteral("A") + QString::number(level));
    const QSize sampleSize(int(pixels.width() - nameWidth - 4), pixels.height() - 4);
    p.drawImage(QPointF(nameWidth, 2), sample(sampleIndex, sampleSize));
    return image;
}

QImage SettingsPictures::arrow(QSize pixels) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = pixels.width();
    const qreal h = pixels.height();
    QPainterPath path;
    path.moveTo(1, h * 0.3);
    path.lineTo(w * 0.55, h * 0.3);
    path.lineTo(w * 0.55, 1);
    path.lineTo(w - 1, h / 2);
    path.lineTo(w * 0.55, h - 1);
    path.lineTo(w * 0.55, h * 0.7);
    path.lineTo(1, h * 0.7);
    path.closeSubpath();
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(255, 150, 60));
    g.setColorAt(1, QColor(226, 80, 20));
    p.setPen(QPen(QColor(150, 50, 10), 1));
    p.setBrush(g);
    p.drawPath(path);
    return image;
}

QImage SettingsPictures::device(int kind, QSize pixels) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = pixels.width();
    const qreal h = pixels.height();
    QRadialGradient glow(QPointF(w / 2, h / 2), w * 0.6);
    glow.setColorAt(0, QColor(255, 255, 255, 240));
    glow.setColorAt(1, QColor(210, 225, 255, 200));
    p.setPen(QPen(QColor(150, 170, 220), 1));
    p.setBrush(glow);
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 8, 8);
    if (kind == 0) {
        PrintButtonPictures::drawPrinterSymbol(p, QRectF(w * 0.15, h * 0.1, w * 0.7, h * 0.7),
                                               QColor(40, 60, 110));
    } else {
        // A label printer: a low body, a roll behind, a label strip with a symbol coming out.
        p.setPen(QPen(QColor(40, 60, 110), qMax<qreal>(1.0, w / 40)));
        p.setBrush(QColor(230, 236, 250));
        p.drawEllipse(QPointF(w * 0.5, h * 0.3), w * 0.16, h * 0.16);
        p.drawEllipse(QPointF(w * 0.5, h * 0.3), w * 0.05, h * 0.05);
        p.setBrush(QColor(70, 90, 140));
        p.drawRoundedRect(QRectF(w * 0.15, h * 0.38, w * 0.7, h * 0.25), 6, 6);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(w * 0.3, h * 0.58, w * 0.4, h * 0.22));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 20, 30));
        for (int i = 0; i < 9; ++i)
            p.drawRect(
                QRectF(w * (0.33 + i * 0.037), h * 0.62, w * (i % 3 == 0 ? 0.02 : 0.01), h * 0.13));
    }
    QFont font = p.font();
    font.setPixelSize(qMax(9, int(h * 0.12)));
    font.setBold(true);
    p.setFont(font);
    p.setPen(navy);
    p.drawText(QRectF(0, h * 0.8, w, h * 0.18), Qt::AlignCenter,
               kind == 0 ? QStringLiteral("噴墨 / 雷射") : QStringLiteral("標籤印表機"));
    return image;
}

QImage SettingsPictures::animationFrame(int frame, QSize pixels) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = pixels.width();
    const qreal h = pixels.height();
    p.setPen(QPen(QColor(255, 255, 255, 180), 1));
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 6, 6);
    // A small symbol swept by a scanning beam.
    static const int widths[] = {1, 2, 1, 1, 3, 1, 2, 1, 1, 2, 3, 1, 1, 2, 1};
    qreal x = w * 0.12;
    const qreal module = w * 0.76 / 22;
    bool bar = true;
    for (int bw : widths) {
        if (bar)
            p.fillRect(QRectF(x, h * 0.18, bw * module, h * 0.64), Qt::white);
        x += bw * module;
        bar = !bar;
    }
    const qreal phase = (frame % animationFrames) / qreal(animationFrames);
    const qreal beamY = h * (0.18 + 0.64 * (0.5 - 0.5 * qCos(phase * 2 * M_PI)));
    QLinearGradient beam(0, beamY - 3, 0, beamY + 3);
    beam.setColorAt(0, QColor(255, 40, 40, 0));
    beam.setColorAt(0.5, QColor(255, 40, 40, 230));
    beam.setColorAt(1, QColor(255, 40, 40, 0));
    p.fillRect(QRectF(w * 0.06, beamY - 3, w * 0.88, 6), beam);
    return image;
}

QImage SettingsPictures::closeButton(bool hover, QSize pixels) {
    return closeButtonPicture(hover, pixels);
}

QImage SettingsPictures::okPicture(QSize pixels) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal h = pixels.height();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(46, 170, 90));
    p.drawEllipse(QRectF(1, 1, h - 2, h - 2));
    p.setPen(QPen(Qt::white, qMax<qreal>(2.0, h / 9), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(h * 0.27, h * 0.52);
    tick.lineTo(h * 0.44, h * 0.68);
    tick.lineTo(h * 0.74, h * 0.34);
    p.drawPath(tick);
    QFont font = p.font();
    font.setPixelSize(qMax(9, int(h * 0.5)));
    p.setFont(font);
    p.setPen(QColor(60, 80, 120));
    p.drawText(QRectF(h + 6, 0, pixels.width() - h - 6, h), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("每項設定在選擇時立即儲存"));
    return image;
}

QImage SettingsPictures::calibrationButton(int face, QSize pixels) {
    QImage image = transparentImage(pixels);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const bool pressed = face == 2;
    const QRectF key = QRectF(image.rect()).adjusted(1, pressed ? 2 : 1, -1, pressed ? -1 : -2);
    QLinearGradient g(key.topLeft(), key.bottomLeft());
    if (face == 1) {
        g.setColorAt(0, QColor(255, 190, 90));
        g.setColorAt(1, QColor(240, 130, 30));
    } else if (pressed) {
        g.setColorAt(0, QColor(200, 100, 20));
        g.setColorAt(1, QColor(240, 140, 50));
    } else {
        g.setColorAt(0, QColor(255, 170, 70));
        g.setColorAt(1, QColor(226, 110, 20));
    }
    p.setPen(QPen(QColor(160, 70, 10), 1));
    p.setBrush(g);
    p.drawRoundedRect(key, 6, 6);
    const qreal icon = key.height() * 0.7;
    PrintButtonPictures::drawPrinterSymbol(
        p, QRectF(key.left() + 5, key.center().y() - icon / 2, icon, icon), Qt::white);
    QFont font = p.font();
    font.setPixelSize(qMax(9, int(key.height() * 0.45)));
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(key.adjusted(icon + 6, 0, 0, 0), Qt::AlignCenter, QStringLiteral("校正列印"));
    return image;
}

QImage SettingsPictures::updatePicture(QSize pixels) {
    QImage image = panelBackground(pixels, QStringLiteral("自動更新"));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (const auto& [left, right] : {std::pair{360, 1120}, {1500, 2265}, {2640, 3405}})
        captionArea(p, QRectF(px(left), px(520), px(right - left), px(220)));
    return image;
}

QImage SettingsPictures::webPicture(QSize pixels) {
    QImage image = panelBackground(pixels, QStringLiteral("相關網站"));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int top : {480, 720, 960})
        captionArea(p, QRectF(px(360), px(top), px(975), px(200)));
    return image;
}

} // namespace brevmark
