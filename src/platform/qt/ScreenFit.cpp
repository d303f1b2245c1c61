#include "platform/qt/ScreenFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace brevmark {

ScreenFit::ScreenFit(QObject* parent) : QObject(parent) {}

void ScreenFit::fit(QWidget& window) {
    QScreen* screen = QGuiApplication::screenAt(window.geometry().center());
    if (!screen)
        screen = window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect frame = window.frameGeometry();
    const QSize decoration = frame.size() - window.geometry().size();
    if (frame.width() > area.width() || frame.height() > area.height()) {
        const QSize size = window.size().boundedTo(area.size() - decoration);
        window.setMinimumSize(window.minimumSize().boundedTo(size));
        window.resize(size);
    }
    const QSize outer = window.size() + decoration;
    const int left = std::clamp(frame.left(), area.left(), area.left() + area.width() - outer.width());
    const int top = std::clamp(frame.top(), area.top(), area.top() + area.height() - outer.height());
    if (left != frame.left() || top != frame.top())
        window.move(left, top);
}

bool ScreenFit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        const Qt::WindowType type = widget->windowType();
        if (widget->isWindow() && (type == Qt::Window || type == Qt::Dialog))
            fit(*widget);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace brevmark
