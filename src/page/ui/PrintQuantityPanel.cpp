#include "page/ui/PrintQuantityPanel.h"

#include "common/LeadingNumber.h"
#include "page/ui/NumberBox.h"
#include "page/ui/PanelSkin.h"
#include "page/ui/SkinButton.h"

#include <QPainter>

namespace brevmark {

namespace {
void paintSign(QPainter& p, const QRectF& r, const QColor& ink, bool plus) {
    p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap));
    const QPointF c = r.center();
    const double s = r.height() * 0.3;
    p.drawLine(c + QPointF(-s, 0), c + QPointF(s, 0));
    if (plus)
        p.drawLine(c + QPointF(0, -s), c + QPointF(0, s));
}
} // namespace

PrintQuantityPanel::PrintQuantityPanel(QWidget* parent)
    : QWidget(parent),
      quantity_(new NumberBox(QStringLiteral("列印數量"), QStringLiteral("1"), 4, this)) {
    setObjectName(QStringLiteral("列印數量窗"));
    resize(360, 64);
    quantity_->setGeometry(80, 32, 60, 24);
    for (int i = 0; i < 2; ++i) {
        steps_[i] =
            new SkinButton(SkinButton::Kind::Push, QStringLiteral("印量加減"), QString(), this, i);
        steps_[i]->setGeometry(146 + i * 30, 32, 26, 24);
        steps_[i]->setIconPainter(
            [i](QPainter& p, const QRectF& r, const QColor& ink) { paintSign(p, r, ink, i == 0); });
        connect(steps_[i], &SkinButton::clicked, this, [this, i] { step(i); });
    }
    hide();
}

QString PrintQuantityPanel::quantityText() const {
    return quantity_->text();
}

double PrintQuantityPanel::quantity() const {
    return leadingNumber(quantity_->text());
}

void PrintQuantityPanel::step(int button) {
    const double value = quantity();
    if (button == 0) {
        // The box holds four digits; a fifth would be cut off to a much smaller number.
        if (value + 1 <= 9999)
            quantity_->setText(numberText(value + 1));
    } else if (value > 1) {
        quantity_->setText(numberText(value - 1));
    }
}

void PrintQuantityPanel::setPrintButton(QWidget* button) {
    button->setParent(this);
    const QSize size = button->sizeHint().isValid() ? button->sizeHint() : QSize(100, 28);
    // Its right edge lines up with the right-hand controls of the edit panel above.
    button->setGeometry(width() - size.width() - 8,
                        (height() + PanelSkin::headerHeight) / 2 - size.height() / 2, size.width(),
                        size.height());
    button->show();
}

void PrintQuantityPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PanelSkin::paintPanel(p, rect(), QStringLiteral("列印數量"));
    p.setPen(PanelSkin::ink());
    p.setFont(PanelSkin::font(9));
    // The caption starts where the edit panel's controls do.
    p.drawText(QRect(12, 32, 66, 24), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("列印數量"));
}

} // namespace brevmark
