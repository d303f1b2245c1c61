#include "page/ui/GuideWidget.h"

#include "common/ScreenPixels.h"

#include "common/Rounding.h"
#include "common/Twips.h"
#include "page/ui/PanelSkin.h"

#include <QPainter>

namespace brevmark {

namespace {} // namespace

GuideWidget::GuideWidget(Kind kind, QWidget* page) : QWidget(page), kind_(kind) {
    setObjectName(kind == Kind::SelectionFrame ? QStringLiteral("選取框")
                                               : QStringLiteral("對齊線"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void GuideWidget::setFrame(const QRectF& r) {
    setGeometry(screen::pixels(r.left()), screen::pixels(r.top()),
                qMax(1, screen::pixels(r.width())), qMax(1, screen::pixels(r.height())));
}

void GuideWidget::setLine(const QLineF& l) {
    const QRectF r = QRectF(l.p1(), l.p2()).normalized();
    setGeometry(screen::pixels(r.left()), screen::pixels(r.top()),
                qMax(1, screen::pixels(r.width())), qMax(1, screen::pixels(r.height())));
}

void GuideWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (kind_ == Kind::MatchLine) {
        p.fillRect(rect(), QColor(236, 64, 122));
        return;
    }
    QPen pen(PanelSkin::accent(), 1, Qt::DashLine);
    pen.setDashPattern({3, 2});
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace brevmark
