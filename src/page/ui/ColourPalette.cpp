#include "page/ui/ColourPalette.h"

#include "common/Rounding.h"
#include "common/Twips.h"
#include "page/PaletteModel.h"
#include "page/ui/PanelSkin.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

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

QPoint ColourPalette::placeFor(const QRect& opener, QSize palette, QSize parent) {
    constexpr int gap = 2;
    // The window's frame (6 pixels on each side) stays clear too.
    constexpr int frame = 6;
    int top = opener.bottom() + 1 + gap;
    if (top + palette.height() > parent.height() - frame)
        top = opener.top() - gap - palette.height();
    top = std::clamp(top, frame, std::max(frame, parent.height() - frame - palette.height()));
    const int left =
        std::clamp(opener.left(), frame, std::max(frame, parent.width() - frame - palette.width()));
    return {left, top};
}

void ColourPalette::open(const QRect& opener, const QString& title, Target target) {
    target_ = std::move(target);
    title_ = title;
    const QSize parent = parentWidget() ? parentWidget()->size() : QSize(width(), height());
    move(placeFor(opener, size(), parent));
    show();
    raise();
    update();
}

void ColourPalette::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A press anywhere else closes the palette (and still does what it was for).
    qApp->installEventFilter(this);
}

void ColourPalette::hideEvent(QHideEvent* event) {
    qApp->removeEventFilter(this);
    QWidget::hideEvent(event);
}

bool ColourPalette::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        if (w != this && !isAncestorOf(w))
            hide();
    }
    return QWidget::eventFilter(watched, event);
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
    p.drawText(QRectF(8, 0, 2200.0 / twips::perPixel - 8, 20), Qt::AlignVCenter | Qt::AlignLeft,
               title_);
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
