#include "platform/qt/WindowScroller.h"

#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollArea>
#include <QStyle>
#include <QWidget>

namespace brevmark {

namespace {

const char* const keepInCornerProperty = "brevmark.keepInCorner";

// The window's own painting, as it was when the window was wrapped.
class Canvas : public QWidget {
public:
    Canvas(const QPixmap& painted, QWidget* parent) : QWidget(parent), painted_(painted) {
        setObjectName(QStringLiteral("視窗畫布"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawPixmap(0, 0, painted_);
    }

private:
    QPixmap painted_;
};

} // namespace

WindowScroller& WindowScroller::wrap(QWidget& window) {
    if (WindowScroller* existing = of(window))
        return *existing;
    return *new WindowScroller(window);
}

WindowScroller* WindowScroller::of(const QWidget& window) {
    return window.findChild<WindowScroller*>(QString(), Qt::FindDirectChildrenOnly);
}

void WindowScroller::keepInCorner(QWidget& control) {
    control.setProperty(keepInCornerProperty, true);
}

WindowScroller::WindowScroller(QWidget& window)
    : QObject(&window), window_(window), designed_(window.size()) {
    // What the window paints under its controls, taken once at its designed size.
    const qreal ratio = window.devicePixelRatioF();
    QPixmap painted(designed_ * ratio);
    painted.setDevicePixelRatio(ratio);
    painted.fill(Qt::transparent);
    window.render(&painted, QPoint(), QRegion(), QWidget::DrawWindowBackground);

    QWidget* focus = window.focusWidget();
    area_ = new QScrollArea(&window);
    area_->setObjectName(QStringLiteral("視窗捲軸"));
    area_->setFrameShape(QFrame::NoFrame);
    auto* canvas = new Canvas(painted, area_);
    canvas->resize(designed_);
    // The controls, bottom to top, onto the canvas where they were; hidden ones stay hidden.
    for (QObject* child : window.children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (!control || control == area_ || control->isWindow())
            continue;
        if (control->property(keepInCornerProperty).toBool()) {
            cornerControls_.append({control, control->geometry()});
            continue;
        }
        const bool shown = !control->isHidden();
        const QRect geometry = control->geometry();
        control->setParent(canvas);
        control->setGeometry(geometry);
        control->setVisible(shown);
    }
    area_->setWidget(canvas);
    area_->setGeometry(window.rect());
    area_->lower();
    area_->show();
    for (const auto& [control, designed] : std::as_const(cornerControls_))
        control->raise();
    if (focus)
        focus->setFocus();
    window.installEventFilter(this);
    placeCornerControls();
}

bool WindowScroller::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Resize) {
        area_->setGeometry(window_.rect());
        placeCornerControls();
    }
    return QObject::eventFilter(watched, event);
}

void WindowScroller::placeCornerControls() {
    // The part of the canvas that shows: the window less the scroll bars it needs.
    const int bar = area_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area_);
    const QSize room = window_.size();
    bool across = designed_.width() > room.width();
    bool down = designed_.height() > room.height();
    down = down || (across && designed_.height() > room.height() - bar);
    across = across || (down && designed_.width() > room.width() - bar);
    const QSize view(room.width() - (down ? bar : 0), room.height() - (across ? bar : 0));
    // Each control at its distance from the nearest corner of the window as designed, measured
    // from the same corner of that part.
    for (const auto& [control, designed] : std::as_const(cornerControls_)) {
        QPoint at = designed.topLeft();
        if (designed.center().x() > designed_.width() / 2)
            at.setX(view.width() - (designed_.width() - designed.left()));
        if (designed.center().y() > designed_.height() / 2)
            at.setY(view.height() - (designed_.height() - designed.top()));
        control->move(at);
    }
}

} // namespace brevmark
