#include "XvfbServer.h"

#include <QStandardPaths>

#include <signal.h>
#include <sys/prctl.h>

namespace brevmark::test {

namespace {
QString& missing() {
    static QString why;
    return why;
}
} // namespace

QString x11Missing() {
    return missing();
}

void setX11Missing(const QString& why) {
    missing() = why;
}

std::unique_ptr<XvfbServer> XvfbServer::start(QString* why) {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (program.isEmpty()) {
        *why = QStringLiteral("Xvfb is not installed");
        return nullptr;
    }
    std::unique_ptr<XvfbServer> server(new XvfbServer);
    QProcess& p = server->process_;
    p.setProgram(program);
    p.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                    QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                    QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    p.setStandardErrorFile(QProcess::nullDevice());
    // A test that dies (a crash, a time-out) takes its X server, and so xclip, with it.
    p.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    p.start();
    if (!p.waitForStarted(5000)) {
        *why = QStringLiteral("Xvfb did not start: ") + p.errorString();
        return nullptr;
    }
    // The server writes its display number once it listens.
    QByteArray number;
    while (!number.contains('\n') && p.state() == QProcess::Running && p.waitForReadyRead(10000))
        number += p.readAllStandardOutput();
    number = number.trimmed();
    if (number.isEmpty()) {
        *why = QStringLiteral("Xvfb gave no display number");
        return nullptr;
    }
    server->display_ = QLatin1Char(':') + QString::fromLatin1(number);
    return server;
}

XvfbServer::~XvfbServer() {
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished(2000);
    }
}

} // namespace brevmark::test
