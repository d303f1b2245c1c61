#include "DesktopSession.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <signal.h>
#include <sys/prctl.h>

namespace brevmark::test {

namespace {

QString& missing() {
    static QString why;
    return why;
}

// A test that dies (a crash, a time-out) takes its X server and window manager with it.
void endWithParent(QProcess& process) {
    process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

void stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(2000);
    }
}

} // namespace

QString desktopMissing() {
    return missing();
}

void setDesktopMissing(const QString& why) {
    missing() = why;
}

std::unique_ptr<DesktopSession> DesktopSession::start(QString* why) {
    std::unique_ptr<DesktopSession> session(new DesktopSession);
    const QString screen = qEnvironmentVariable("BREVMARK_DESKTOP_SCREEN");
    if (!screen.isEmpty()) {
        const QStringList parts = screen.split(QLatin1Char('@'));
        session->pixels_ = parts[0];
        session->scale_ = parts.value(1, QStringLiteral("1"));
    }
    if (!session->startServer(why) || !session->startWindowManager(why))
        return nullptr;
    return session;
}

bool DesktopSession::startServer(QString* why) {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (program.isEmpty()) {
        *why = QStringLiteral("Xvfb is not installed");
        return false;
    }
    QProcess& p = server_;
    p.setProgram(program);
    p.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                    QStringLiteral("0"), pixels_ + QStringLiteral("x24"),
                    QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    p.setStandardErrorFile(QProcess::nullDevice());
    endWithParent(p);
    p.start();
    if (!p.waitForStarted(5000)) {
        *why = QStringLiteral("Xvfb did not start: ") + p.errorString();
        return false;
    }
    // The server writes its display number once it listens.
    QByteArray number;
    while (!number.contains('\n') && p.state() == QProcess::Running && p.waitForReadyRead(10000))
        number += p.readAllStandardOutput();
    number = number.trimmed();
    if (number.isEmpty()) {
        *why = QStringLiteral("Xvfb gave no display number");
        return false;
    }
    display_ = QLatin1Char(':') + QString::fromLatin1(number);
    return true;
}

bool DesktopSession::startWindowManager(QString* why) {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("openbox"));
    if (program.isEmpty()) {
        *why = QStringLiteral("openbox is not installed");
        return false;
    }
    if (!home_.isValid()) {
        *why = QStringLiteral("no temporary folder for the window manager");
        return false;
    }
    // openbox runs the start-up command once it manages the screen: the file says it is ready.
    const QString ready = home_.filePath(QStringLiteral("ready"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display_);
    // Its stock settings (/etc/xdg/openbox), never a user's own.
    environment.insert(QStringLiteral("HOME"), home_.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home_.filePath(QStringLiteral("cache")));
    QProcess& p = windowManager_;
    p.setProcessEnvironment(environment);
    p.setProgram(program);
    p.setArguments({QStringLiteral("--startup"), QStringLiteral("touch ") + ready});
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    endWithParent(p);
    p.start();
    if (!p.waitForStarted(5000)) {
        *why = QStringLiteral("openbox did not start: ") + p.errorString();
        return false;
    }
    const QDeadlineTimer deadline(20000);
    while (!QFileInfo::exists(ready) && p.state() == QProcess::Running && !deadline.hasExpired())
        QThread::msleep(20);
    if (!QFileInfo::exists(ready)) {
        *why = QStringLiteral("openbox did not come up");
        return false;
    }
    return true;
}

DesktopSession::~DesktopSession() {
    stop(windowManager_);
    stop(server_);
}

} // namespace brevmark::test
