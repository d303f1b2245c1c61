#include "page/ui/PageWidget.h"

#include "common/ScreenPixels.h"

#include "common/Twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace brevmark {

namespace {} // namespace

PageWidget::PageWidget(QWidget* viewport) : QWidget(viewport), surface_(QSizeF(12000, 16700)) {
    setObjectName(QStringLiteral("列印範圍"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void PageWidget::paintPaper(QSizeF sizeTwips) {
    surface_.resize(sizeTwips);
    surface_.clear();
    // The paper: plain white with a faint margin guide, so that items stand out on it.
    const QRectF all(QPointF(0, 0), sizeTwips);
    surface_.fillRect(all, Qt::white);
    surface_.drawRect(all.adjusted(240, 240, -240, -240), QColor(232, 236, 243), LineStyle::Dotted);
    update();
}

void PageWidget::setBorder(bool border) {
    border_ = border;
    update();
}

void PageWidget::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    p.fillRect(e->rect(), Qt::white);
    p.drawImage(0, 0, surface_.image());
    if (border_) {
        p.setPen(QColor(120, 130, 148));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PageWidget::mousePressEvent(QMouseEvent* e) {
    emit pressed(e->button(), screen::twipsOf(e->position()));
}

void PageWidget::mouseMoveEvent(QMouseEvent* e) {
    emit moved(e->buttons(), screen::twipsOf(e->position()));
}

void PageWidget::mouseReleaseEvent(QMouseEvent* e) {
    emit released(e->button(), screen::twipsOf(e->position()));
}

} // namespace brevmark
