#include "page/ui/SymbolHandleWidget.h"

#include "common/ScreenPixels.h"

#include "common/Rounding.h"
#include "common/Twips.h"
#include "page/ui/PanelSkin.h"

#include <QMouseEvent>
#include <QPainter>

namespace brevmark {

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

QPointF SymbolHandleWidget::placeFor(QPointF origin) {
    const QSizeF size = sizeTwips();
    if (origin.y() >= size.height())
        return {origin.x(), origin.y() - size.height()};
    if (origin.x() >= size.width())
        return {origin.x() - size.width(), origin.y()};
    return origin;
}

void SymbolHandleWidget::moveToTwips(QPointF symbolOrigin) {
    const QPointF at = placeFor(symbolOrigin);
    move(screen::pixels(at.x()), screen::pixels(at.y()));
}

void SymbolHandleWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(PanelSkin::accent());
    p.drawRoundedRect(r, 2.5, 2.5);
    p.setPen(Qt::white);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(height() - 1);
    f.setBold(true);
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
