#include "page/ui/BarcodeItemWidget.h"

#include "common/ScreenPixels.h"

#include "common/Rounding.h"
#include "common/Twips.h"
#include "page/ui/SkinButton.h"
#include "page/ui/SymbolHandleWidget.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace brevmark {

namespace {

void paintDeleteIcon(QPainter& p, const QRectF& r, const QColor&) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(226, 60, 66));
    p.drawEllipse(r.adjusted(-2, -2, 2, 2));
    p.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap));
    const double s = r.width() * 0.28;
    p.drawLine(r.center() + QPointF(-s, -s), r.center() + QPointF(s, s));
    p.drawLine(r.center() + QPointF(-s, s), r.center() + QPointF(s, -s));
}
// The pixel ratio of the screen the page is on (before the item is shown, its own is not known).
qreal screenPixelRatio(const QWidget* page) {
    const QScreen* screen = page ? page->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}
} // namespace

BarcodeItemWidget::BarcodeItemWidget(int index, QWidget* page)
    // The symbol and its text are drawn at the screen's own pixel ratio, not enlarged from 1x.
    : QWidget(page), index_(index),
      surface_(QSizeF(3600, 900), Qt::white, screenPixelRatio(page)),
      handle_(new SymbolHandleWidget(index, this)),
      delete_(
          new SkinButton(SkinButton::Kind::Push, QStringLiteral("刪除碼"), QString(), this, index)),
      deleteTag_(new SkinButton(SkinButton::Kind::Push, QStringLiteral("刪除籤"), QString(), this,
                                index)) {
    setObjectName(QStringLiteral("條碼項目"));
    setProperty("index", index);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    handle_->hide();
    // The item's own buttons show under the pointer only; Tab passes them by.
    delete_->setFocusPolicy(Qt::NoFocus);
    deleteTag_->setFocusPolicy(Qt::NoFocus);
    delete_->resize(12, 12);
    delete_->setIconPainter(paintDeleteIcon);
    delete_->hide();
    deleteTag_->resize(12, 12);
    deleteTag_->setIconPainter(paintDeleteIcon);
    deleteTag_->hide();
}

void BarcodeItemWidget::setRectTwips(const QRectF& r) {
    setGeometry(screen::pixels(r.left()), screen::pixels(r.top()),
                qMax(1, screen::pixels(r.width())), qMax(1, screen::pixels(r.height())));
    surface_.resize(r.size());
}

void BarcodeItemWidget::setBackColour(const QColor& colour) {
    if (surface_.background() == colour)
        return;
    surface_.setBackground(colour);
    update();
}

void BarcodeItemWidget::setBorder(bool border) {
    if (border_ == border)
        return;
    border_ = border;
    update();
}

void BarcodeItemWidget::placeDeleteButton(double itemWidth) {
    delete_->move(screen::pixels(itemWidth - 180), 0);
}

void BarcodeItemWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), surface_.background());
    p.drawImage(0, 0, surface_.image());
    p.setBrush(Qt::NoBrush);
    if (border_) {
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    } else {
        // A white item on the white page would not be seen: a light outline shows it on screen.
        // The print job draws from the model, so the outline never reaches paper.
        p.setPen(QPen(outlineColour(), 1, Qt::DashLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void BarcodeItemWidget::mousePressEvent(QMouseEvent* e) {
    emit pressed(index_, e->button(), screen::twipsOf(e->position()));
}

void BarcodeItemWidget::mouseMoveEvent(QMouseEvent* e) {
    emit moved(index_, e->buttons(), screen::twipsOf(e->position()));
}

void BarcodeItemWidget::mouseReleaseEvent(QMouseEvent* e) {
    emit released(index_, e->button(), screen::twipsOf(e->position()));
}

void BarcodeItemWidget::mouseDoubleClickEvent(QMouseEvent* e) {
    emit doubleClicked(index_, screen::twipsOf(e->position()));
}

} // namespace brevmark
