#include "platform/qt/ScreenFit.h"

#include "platform/qt/WindowScroller.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWindow>
#include <QWidget>

#include <algorithm>

namespace brevmark {

ScreenFit::ScreenFit(QObject* parent) : QObject(parent) {}

namespace {

// The window with its frame as the window manager has it now: QWidget::frameGeometry() keeps the
// margins it first read, which can be from the moment the window was being framed.
QRect frameOf(const QWidget& window) {
    if (const QWindow* handle = window.windowHandle())
        return window.geometry().marginsAdded(handle->frameMargins());
    return window.frameGeometry();
}

} // namespace

void ScreenFit::fit(QWidget& window) {
    QScreen* screen = QGuiApplication::screenAt(window.geometry().center());
    if (!screen)
        screen = window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect frame = frameOf(window);
    const QSize decoration = frame.size() - window.geometry().size();
    if (frame.width() > area.width() || frame.height() > area.height()) {
        const QSize size = window.size().boundedTo(area.size() - decoration);
        // A window laid out by hand at a fixed size keeps every part within reach: it scrolls.
        if (!window.layout() && window.minimumSize() == window.maximumSize())
            WindowScroller::wrap(window);
        window.setMinimumSize(window.minimumSize().boundedTo(size));
        window.resize(size);
    }
    const QSize outer = window.size() + decoration;
    const int left = std::clamp(frame.left(), area.left(), area.left() + area.width() - outer.width());
    const int top = std::clamp(frame.top(), area.top(), area.top() + area.height() - outer.height());
    if (left != frame.left() || top != frame.top())
        window.move(left, top);
}

namespace {

// Marks a shown framed window whose frame the window manager has not yet given.
const char* const awaitingFrame = "brevmark.awaitingFrame";

bool hasFrame(const QWidget& window) {
    return frameOf(window).size() != window.geometry().size();
}

} // namespace

bool ScreenFit::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (!watched->isWidgetType() ||
        (type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize))
        return QObject::eventFilter(watched, event);
    auto* widget = static_cast<QWidget*>(watched);
    if (type == QEvent::Show) {
        const Qt::WindowType kind = widget->windowType();
        if (widget->isWindow() && (kind == Qt::Window || kind == Qt::Dialog)) {
            fit(*widget);
            if (!hasFrame(*widget) && !widget->windowFlags().testFlag(Qt::FramelessWindowHint))
                widget->setProperty(awaitingFrame, true);
        }
    } else if (widget->isWindow() && widget->property(awaitingFrame).toBool() &&
               hasFrame(*widget)) {
        widget->setProperty(awaitingFrame, false);
        fit(*widget);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace brevmark
