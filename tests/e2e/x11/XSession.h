#pragma once

#include <QPoint>
#include <QProcess>
#include <QString>
#include <memory>

class QWidget;

namespace brevmark::test {

// The desktop around the program under test: a window manager on the test's X server.
class XSession {
public:
    ~XSession();
    // Starts the window manager on $DISPLAY; nothing, with the reason, when a part is missing.
    static std::unique_ptr<XSession> start(QString* why);

private:
    XSession() = default;
    QProcess windowManager_;
};

// The pointer and the keyboard driven through the X server as a user drives them: xdotool sends
// them through the XTEST extension, so the program receives real key and button events, to the
// window that has the focus and the widget under the pointer. Each returns once the program has
// handled what arrived.
namespace x_input {
// Keys as xdotool names them ("ctrl+z", "ctrl+shift+z", "BackSpace").
void key(const QString& keys);
// Text typed key by key.
void type(const QString& text);
// The pointer moved onto a point of a widget (pixels of the widget), no button pressed.
void hover(QWidget* widget, QPoint at);
// A click at a point of a widget (pixels of the widget).
void click(QWidget* widget, QPoint at, int button = 1);
// A double click of the left button at a point of a widget.
void doubleClick(QWidget* widget, QPoint at);
// A left-button drag inside a widget, in small steps.
void drag(QWidget* widget, QPoint from, QPoint to);
} // namespace x_input

// The reason the X tests cannot run in this process, or empty when they can.
QString desktopMissing();
void setDesktopMissing(const QString& why);

} // namespace brevmark::test
