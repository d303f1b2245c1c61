#include "page/ui/SkinButton.h"

#include "page/ui/PanelSkin.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace brevmark {

SkinButton::SkinButton(Kind kind, const QString& objectName, const QString& caption,
                       QWidget* parent, int index)
    : QAbstractButton(parent), kind_(kind), accent_(PanelSkin::accent()) {
    setObjectName(objectName);
    setText(caption);
    if (index >= 0)
        setProperty("index", index);
    setCheckable(kind == Kind::Check || kind == Kind::Option);
    setCursor(Qt::PointingHandCursor);
    // Reached by Tab (Space presses it), never by a click, which leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
}

void SkinButton::setIconPainter(IconPainter painter) {
    icon_ = std::move(painter);
    update();
}

void SkinButton::setCaptionFont(const QFont& font) {
    captionFont_ = font;
    update();
}

void SkinButton::setAccent(const QColor& accent) {
    accent_ = accent;
    update();
}

int SkinButton::index() const {
    const QVariant v = property("index");
    return v.isValid() ? v.toInt() : -1;
}

void SkinButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void SkinButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void SkinButton::mouseMoveEvent(QMouseEvent* event) {
    QAbstractButton::mouseMoveEvent(event);
    // A move over a button is the button's: the item or panel below must not take it over (and
    // replace the button's hint with its own).
    event->accept();
}

void SkinButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    switch (kind_) {
    case Kind::Push:
        paintPush(p, r);
        break;
    case Kind::Check:
        paintCheck(p, r);
        break;
    case Kind::Option:
        paintOption(p, r);
        break;
    case Kind::Close:
        paintClose(p, r);
        break;
    }
    if (hasFocus()) {
        // A solid ring in the accent colour, not the style's dashed focus rectangle.
        p.setPen(QPen(accent_, 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(0.8, 0.8, -0.8, -0.8), 4, 4);
    }
}

void SkinButton::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    update();
}

void SkinButton::focusOutEvent(QFocusEvent* event) {
    QAbstractButton::focusOutEvent(event);
    update();
}

void SkinButton::paintPush(QPainter& p, const QRectF& r) {
    const bool down = isDown();
    QColor top = QColor(255, 255, 255), bottom = QColor(236, 241, 248);
    QColor border = QColor(190, 200, 216);
    if (!isEnabled()) {
        top = bottom = QColor(240, 242, 246);
    } else if (down) {
        top = accent_.darker(115);
        bottom = accent_;
        border = accent_.darker(130);
    } else if (hovered_) {
        top = QColor(242, 247, 255);
        bottom = QColor(219, 231, 252);
        border = accent_;
    }
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(border, 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 5, 5);
    const QColor ink = !isEnabled() ? QColor(160, 166, 176)
                       : down       ? QColor(Qt::white)
                       : hovered_   ? accent_.darker(125)
                                    : QColor(44, 52, 66);
    if (icon_) {
        const double side = qMin(r.width(), r.height()) - 8;
        const QRectF iconRect(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
        icon_(p, iconRect, ink);
    }
    if (!text().isEmpty()) {
        p.setPen(ink);
        p.setFont(captionFont_ ? *captionFont_ : PanelSkin::font(9));
        p.drawText(r, Qt::AlignCenter, text());
    }
}

void SkinButton::paintCheck(QPainter& p, const QRectF& r) {
    if (hovered_) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(228, 237, 252));
        p.drawRoundedRect(r, 4, 4);
    }
    const double side = qMin(14.0, r.height() - 6);
    const QRectF box(r.left() + 3, r.center().y() - side / 2, side, side);
    p.setPen(QPen(isChecked() ? accent_ : QColor(150, 160, 178), 1.2));
    p.setBrush(isChecked() ? QBrush(accent_) : QBrush(Qt::white));
    p.drawRoundedRect(box, 3, 3);
    if (isChecked()) {
        QPainterPath tick;
        tick.moveTo(box.left() + side * 0.22, box.top() + side * 0.52);
        tick.lineTo(box.left() + side * 0.43, box.top() + side * 0.72);
        tick.lineTo(box.left() + side * 0.78, box.top() + side * 0.3);
        p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    }
    p.setPen(QColor(44, 52, 66));
    p.setFont(PanelSkin::font(9));
    p.drawText(r.adjusted(side + 7, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, text());
}

void SkinButton::paintOption(QPainter& p, const QRectF& r) {
    const bool on = isChecked();
    QColor fill = on ? accent_ : hovered_ ? QColor(228, 237, 252) : QColor(246, 248, 251);
    if (isDown())
        fill = accent_.darker(115);
    p.setPen(QPen(on ? accent_.darker(115) : QColor(196, 204, 218), 1));
    p.setBrush(fill);
    p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
    p.setPen(on || isDown() ? QColor(Qt::white) : QColor(44, 52, 66));
    p.setFont(PanelSkin::font(9, on));
    p.drawText(r, Qt::AlignCenter, text());
}

void SkinButton::paintClose(QPainter& p, const QRectF& r) {
    if (hovered_ || isDown()) {
        p.setPen(Qt::NoPen);
        p.setBrush(isDown() ? QColor(176, 32, 40) : QColor(226, 60, 66));
        p.drawRoundedRect(r, 4, 4);
    }
    const QColor ink = hovered_ || isDown() ? QColor(Qt::white) : QColor(255, 255, 255, 215);
    const double s = qMin(r.width(), r.height()) * 0.28;
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(r.center() + QPointF(-s, -s), r.center() + QPointF(s, s));
    p.drawLine(r.center() + QPointF(-s, s), r.center() + QPointF(s, -s));
}

} // namespace brevmark
