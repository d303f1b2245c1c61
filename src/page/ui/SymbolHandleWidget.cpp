#include "page/ui/SymbolHandleWidget.h"

#include "common/ScreenPixels.h"

#include "common/Rounding.h"
#include "common/Twips.h"
#include "page/PanelSkin.h"

#include <QMouseEvent>
#include <QPainter>

namespace brevmark {

namespace {} // namespace

SymbolHandleWidget::SymbolHandleWidget(int itemIndex, QWidget* item)
    : QWidget(item), itemIndex_(itemIndex) {
    setObjectName(QStringLiteral("移動指標"));
    setProperty("index", itemIndex);
    resize(screen::pixels(sizeTwips().width()), screen::pixels(sizeTwips().height()));
    setCursor(Qt::SizeAllCursor);
    setMouseTracking(true);
}

void SymbolHandleWidget::setCaption(const QString& barHeight) {
    caption_ = barHeight;
    update();
}

void SymbolHandleWidget::moveToTwips(QPointF topLeft) {
    move(screen::pixels(topLeft.x()), screen::pixels(topLeft.y()));
}

void SymbolHandleWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor fill = PanelSkin::accent();
    fill.setAlpha(210);
    p.setPen(QPen(PanelSkin::accent().darker(130), 1));
    p.setBrush(fill);
    p.drawRoundedRect(r, 4, 4);
    p.setPen(Qt::white);
    QFont f = PanelSkin::font(7, true);
    f.setPixelSize(9);
    p.setFont(f);
    p.drawText(r, Qt::AlignCenter, caption_);
}

void SymbolHandleWidget::mousePressEvent(QMouseEvent* e) {
    emit pressed(itemIndex_, e->button(), screen::twipsOf(e->position()));
}

void SymbolHandleWidget::mouseMoveEvent(QMouseEvent* e) {
    emit moved(itemIndex_, e->buttons(), screen::twipsOf(e->position()));
}

void SymbolHandleWidget::mouseReleaseEvent(QMouseEvent* e) {
    emit released(itemIndex_, e->button(), screen::twipsOf(e->position()));
}

} // namespace brevmark
