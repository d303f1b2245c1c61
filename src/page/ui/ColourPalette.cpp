#include "page/ui/ColourPalette.h"

#include "common/Rounding.h"
#include "common/Twips.h"
#include "page/PaletteModel.h"
#include "page/PanelSkin.h"

#include <QMouseEvent>
#include <QPainter>

namespace brevmark {

namespace {
QRectF pixels(const QRectF& t) {
    return {t.topLeft() / twips::perPixel, t.size() / twips::perPixel};
}
} // namespace

ColourPalette::ColourPalette(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("色彩選項"));
    const QSizeF size = PaletteModel::size() / twips::perPixel;
    resize(int(size.width()), int(size.height()));
    setCursor(Qt::PointingHandCursor);
    hide();
}

void ColourPalette::open(QPoint topLeft, Target target) {
    target_ = std::move(target);
    move(topLeft);
    show();
    raise();
}

void ColourPalette::mousePressEvent(QMouseEvent* e) {
    const QPointF at = e->position() * twips::perPixel;
    if (PaletteModel::isCloseCorner(at)) {
        hide();
        return;
    }
    if (const auto colour = PaletteModel::colourAt(at); colour && target_)
        target_(*colour);
}

void ColourPalette::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(168, 182, 206), 1));
    p.setBrush(QColor(250, 251, 253));
    p.drawRoundedRect(all, 7, 7);

    p.setPen(PanelSkin::ink());
    p.setFont(PanelSkin::font(9, true));
    p.drawText(QRectF(8, 0, 120, 20), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("選擇底色"));
    // the close corner (x above 2200 twips, y below 300)
    const QRectF close(2200.0 / twips::perPixel + 1, 2, width() - 2200.0 / twips::perPixel - 4, 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(226, 60, 66));
    p.drawRoundedRect(close, 4, 4);
    p.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap));
    const double s = 3;
    p.drawLine(close.center() + QPointF(-s, -s), close.center() + QPointF(s, s));
    p.drawLine(close.center() + QPointF(-s, s), close.center() + QPointF(s, -s));

    for (int row = 0; row < PaletteModel::rows; ++row) {
        for (int column = 0; column < PaletteModel::columns; ++column) {
            const QRectF cell = pixels(PaletteModel::cellRect(row, column));
            p.setPen(QPen(QColor(0, 0, 0, 40), 1));
            p.setBrush(PaletteModel::colour(row, column));
            p.drawRoundedRect(cell, 3, 3);
        }
    }
}

} // namespace brevmark
