#pragma once

#include <QPoint>
#include <QString>
#include <Qt>

class QWidget;

// The user's own keyboard and mouse on the test's desktop: xdotool sends real X input (XTEST)
// that the X server delivers to whatever window is under the pointer or has the focus, as it does
// a user's. Each call returns once the program has handled what it sent (its events processed,
// any message box it opened on the way answered).
namespace brevmark::test::user_input {

// Empty when xdotool is at hand, else what is missing.
QString missing();

// The pointer to a point of a widget (pixels from its top-left corner).
void moveTo(QWidget* widget, QPoint at);
void click(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton, int count = 1);
// The wheel turned by `notches` (down when positive) with the pointer at a point of the widget.
void wheel(QWidget* widget, QPoint at, int notches);
// A drag with the left button from a point of one widget to a point of another, in steps, the
// program running all the while (a drag runs a loop of its own until the button is released).
void drag(QWidget* from, QPoint start, QWidget* to, QPoint end);
// Keys as xdotool names them: "F1", "Return", "ctrl+v", "shift+Insert".
void key(const QString& keys);
// Text typed key by key.
void type(const QString& text);
// The window manager asked to give the window the focus, as a click on its frame would.
void activate(QWidget* window);
// The window manager asked to close the window (its close button, Alt+F4).
void closeByWindowManager(QWidget* window);
// Events processed for a while: what the X server delivered has reached the program.
void settle(int milliseconds = 150);

} // namespace brevmark::test::user_input
