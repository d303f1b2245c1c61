#include "UserInput.h"

#include <QCoreApplication>
#include <QCursor>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>

namespace brevmark::test::user_input {

namespace {

void xdotool(const QStringList& arguments) {
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(QStringLiteral("xdotool"), arguments);
    p.waitForFinished(20000);
}

// xdotool counts the screen's own pixels; the program, at a scale (QT_SCALE_FACTOR), counts
// larger ones.
QPoint screenPixels(const QWidget* widget, QPoint at) {
    const QPoint global = widget->mapToGlobal(at);
    const qreal scale = widget->devicePixelRatioF();
    return QPoint(qRound(global.x() * scale), qRound(global.y() * scale));
}

QStringList pointerTo(QPoint pixels) {
    return {QStringLiteral("mousemove"), QString::number(pixels.x()), QString::number(pixels.y())};
}

QString buttonNumber(Qt::MouseButton button) {
    switch (button) {
    case Qt::MiddleButton: return QStringLiteral("2");
    case Qt::RightButton: return QStringLiteral("3");
    default: return QStringLiteral("1");
    }
}

} // namespace

QString missing() {
    return QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()
               ? QStringLiteral("xdotool is not installed")
               : QString();
}

void settle(int milliseconds) {
    QTest::qWait(milliseconds);
}

void moveTo(QWidget* widget, QPoint at) {
    // xdotool's --sync waits for the pointer to move, which it never does when it is there
    // already.
    if (QCursor::pos() == widget->mapToGlobal(at))
        return;
    const QPoint pixels = screenPixels(widget, at);
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(pixels.x()),
             QString::number(pixels.y())});
    settle();
}

void click(QWidget* widget, QPoint at, Qt::MouseButton button, int count) {
    // The move first, on its own: the program sees the pointer arrive before the press, as it
    // does when a hand moves the mouse.
    moveTo(widget, at);
    xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(count),
             QStringLiteral("--delay"), QStringLiteral("80"), buttonNumber(button)});
    settle();
}

void wheel(QWidget* widget, QPoint at, int notches) {
    moveTo(widget, at);
    xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(qAbs(notches)),
             QStringLiteral("--delay"), QStringLiteral("30"),
             notches > 0 ? QStringLiteral("5") : QStringLiteral("4")});
    settle();
}

void drag(QWidget* from, QPoint start, QWidget* to, QPoint end) {
    const QPoint a = screenPixels(from, start);
    const QPoint b = screenPixels(to, end);
    QStringList steps = pointerTo(a);
    steps << QStringLiteral("mousedown") << QStringLiteral("1");
    for (int i = 1; i <= 8; ++i) {
        const QPoint at = a + (b - a) * i / 8;
        steps << QStringLiteral("sleep") << QStringLiteral("0.15") << pointerTo(at);
    }
    steps << QStringLiteral("sleep") << QStringLiteral("0.3") << QStringLiteral("mouseup")
          << QStringLiteral("1");
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(QStringLiteral("xdotool"), steps);
    p.waitForStarted(5000);
    while (p.state() != QProcess::NotRunning) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        p.waitForFinished(20);
    }
    settle(300);
}

void key(const QString& keys) {
    xdotool({QStringLiteral("key"), keys});
    settle();
}

void type(const QString& text) {
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"),
             QStringLiteral("--"), text});
    settle();
}

void activate(QWidget* window) {
    xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"),
             QString::number(window->window()->winId())});
    settle();
}

void closeByWindowManager(QWidget* window) {
    // The close request a window manager sends for its close button: WM_DELETE_WINDOW, through
    // openbox's own Close action on the active window (its stock Alt+F4).
    activate(window);
    key(QStringLiteral("alt+F4"));
}

} // namespace brevmark::test::user_input
