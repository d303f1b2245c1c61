#include "XSession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>

#include <signal.h>
#include <sys/prctl.h>

namespace brevmark::test {

namespace {
QString& missing() {
    static QString why;
    return why;
}

// Lets the program handle what the X server delivered.
void settle() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QTest::qWait(10);
    }
}
} // namespace

QString desktopMissing() {
    return missing();
}

void setDesktopMissing(const QString& why) {
    missing() = why;
}

std::unique_ptr<XSession> XSession::start(QString* why) {
    for (const char* tool : {"openbox", "xdotool"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            *why = QString::fromLatin1(tool) + QStringLiteral(" is not installed");
            return nullptr;
        }
    }
    std::unique_ptr<XSession> session(new XSession);
    QProcess& wm = session->windowManager_;
    wm.setProgram(QStringLiteral("openbox"));
    // No user configuration: openbox's own defaults, whatever the machine holds.
    wm.setArguments({QStringLiteral("--config-file"), QStringLiteral("/dev/null")});
    wm.setStandardOutputFile(QProcess::nullDevice());
    wm.setStandardErrorFile(QProcess::nullDevice());
    wm.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    wm.start();
    if (!wm.waitForStarted(5000)) {
        *why = QStringLiteral("openbox did not start: ") + wm.errorString();
        return nullptr;
    }
    // The manager takes the screen a moment after it starts.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 500 && wm.state() == QProcess::Running)
        QTest::qWait(50);
    if (wm.state() != QProcess::Running) {
        *why = QStringLiteral("openbox ended at once");
        return nullptr;
    }
    return session;
}

XSession::~XSession() {
    if (windowManager_.state() == QProcess::NotRunning)
        return;
    windowManager_.terminate();
    if (!windowManager_.waitForFinished(5000))
        windowManager_.kill();
}

namespace x_input {

namespace {
void run(const QStringList& arguments) {
    QProcess xdotool;
    xdotool.setStandardOutputFile(QProcess::nullDevice());
    xdotool.start(QStringLiteral("xdotool"), arguments);
    xdotool.waitForFinished(10000);
    settle();
}

void moveTo(QWidget* widget, QPoint at) {
    const QPoint global = widget->mapToGlobal(at);
    run({QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y())});
}
} // namespace

void key(const QString& keys) {
    run({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), keys});
}

void type(const QString& text) {
    // "--" ends the options, so that a text beginning with "-" is typed, not read as one.
    run({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"),
         QStringLiteral("--"), text});
}

void hover(QWidget* widget, QPoint at) {
    moveTo(widget, at);
}

void click(QWidget* widget, QPoint at, int button) {
    moveTo(widget, at);
    run({QStringLiteral("click"), QString::number(button)});
}

void doubleClick(QWidget* widget, QPoint at) {
    moveTo(widget, at);
    run({QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"),
         QStringLiteral("--delay"), QStringLiteral("80"), QStringLiteral("1")});
}

void drag(QWidget* widget, QPoint from, QPoint to) {
    moveTo(widget, from);
    run({QStringLiteral("mousedown"), QStringLiteral("1")});
    const int steps = 6;
    for (int i = 1; i <= steps; ++i)
        moveTo(widget, from + (to - from) * i / steps);
    run({QStringLiteral("mouseup"), QStringLiteral("1")});
}

} // namespace x_input

} // namespace brevmark::test
