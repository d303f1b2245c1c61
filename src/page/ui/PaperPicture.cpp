#include "page/ui/PaperPicture.h"

#include "common/Twips.h"
#include "page/ui/PanelSkin.h"

#include <QMouseEvent>
#include <QPainter>

namespace brevmark {

namespace {
QColor paperColour(PaperSize paper) {
    switch (paper) {
    case PaperSize::A4:
        return QColor(47, 111, 237);
    case PaperSize::A5:
        return QColor(34, 160, 110);
    case PaperSize::B5:
        return QColor(230, 126, 34);
    case PaperSize::Letter:
        return QColor(142, 68, 173);
    }
    return Qt::gray;
}

QRectF pixels(const QRectF& twipsRect) {
    return {twipsRect.topLeft() / twips::perPixel, twipsRect.size() / twips::perPixel};
}
} // namespace

PaperPicture::PaperPicture(QWidget* panel) : QWidget(panel) {
    setObjectName(QStringLiteral("紙張圖"));
    resize(120, 116);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
}

void PaperPicture::showState(PaperSize current, bool landscape) {
    current_ = current;
    landscape_ = landscape;
    update();
}

void PaperPicture::mousePressEvent(QMouseEvent* e) {
    if (const auto paper = PaperTable::pictureZoneAt(e->position() * twips::perPixel))
        emit paperChosen(*paper);
}

void PaperPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(214, 222, 236), 1));
    p.setBrush(QColor(241, 245, 251));
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);

    // The three sheets to scale side by side on one base line, each with its name inside, so that
    // no sheet hides another's name.
    constexpr double gap = 6;
    const QRectF area(8, 6, width() - 16, 52);
    const PaperSize order[3] = {PaperSize::A4, PaperSize::B5, PaperSize::A5};
    double totalWidth = 0, tallest = 0;
    for (PaperSize paper : order) {
        totalWidth += PaperTable::size(paper, landscape_).width();
        tallest = qMax(tallest, PaperTable::size(paper, landscape_).height());
    }
    const double scale = qMin(area.height() / tallest, (area.width() - 2 * gap) / totalWidth);
    double x = area.left() + (area.width() - 2 * gap - totalWidth * scale) / 2;
    for (PaperSize paper : order) {
        const QSizeF s = PaperTable::size(paper, landscape_) * scale;
        const QRectF sheet(x, area.bottom() - s.height(), s.width(), s.height());
        x += s.width() + gap;
        const bool on = paper == current_;
        p.setPen(QPen(paperColour(paper), on ? 1.6 : 1));
        p.setBrush(on ? paperColour(paper).lighter(175) : QColor(Qt::white));
        p.drawRect(sheet);
        p.setPen(paperColour(paper).darker(120));
        QFont f = PanelSkin::font(7, true);
        f.setPixelSize(9);
        p.setFont(f);
        p.drawText(sheet, Qt::AlignCenter, PaperTable::caption(paper));
    }

    // One chip per zone; the zone itself is what a mouse-down tests.
    for (PaperSize paper : {PaperSize::A4, PaperSize::A5, PaperSize::B5}) {
        const QRectF zone = pixels(PaperTable::pictureZone(paper));
        const bool on = paper == current_;
        p.setPen(QPen(paperColour(paper), 1));
        p.setBrush(on ? paperColour(paper) : QColor(Qt::white));
        p.drawRoundedRect(zone.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        p.setPen(on ? QColor(Qt::white) : paperColour(paper).darker(120));
        QFont f = PanelSkin::font(7, true);
        f.setPixelSize(qMin(9, int(zone.height()) - 1));
        p.setFont(f);
        p.drawText(zone, Qt::AlignCenter, PaperTable::caption(paper));
        // a small sheet icon before the chip
        const QSizeF s = PaperTable::size(paper, landscape_) * (12.0 / 16700.0);
        const QRectF icon(zone.left() - 8 - s.width(), zone.center().y() - s.height() / 2,
                          s.width(), s.height());
        p.setPen(QPen(paperColour(paper), 1));
        p.setBrush(Qt::white);
        p.drawRect(icon);
    }
}

} // namespace brevmark
