// The record manager's end-to-end tests run on an X server of their own with a window manager,
// as a desktop has one: Xvfb on a free display, then openbox on it, both started before the
// application connects and stopped after it. When listing the tests nothing is started.
#include "XvfbServer.h"

#include "platform/FontMetricsTwips.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/prctl.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Nothing a test does may reach the user's own state or runtime folders.
    QTemporaryDir state;
    QTemporaryDir runtime;
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    std::unique_ptr<brevmark::test::XvfbServer> server;
    QProcess windowManager;
    if (!GTEST_FLAG_GET(list_tests)) {
        QString why;
        server = brevmark::test::XvfbServer::start(&why);
        const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
        if (server && openbox.isEmpty())
            why = QStringLiteral("openbox is not installed");
        if (server && !openbox.isEmpty()) {
            qputenv("DISPLAY", server->display().toLocal8Bit());
            qputenv("QT_QPA_PLATFORM", "xcb");
            windowManager.setProgram(openbox);
            windowManager.setArguments({QStringLiteral("--sm-disable")});
            windowManager.setStandardOutputFile(QProcess::nullDevice());
            windowManager.setStandardErrorFile(QProcess::nullDevice());
            windowManager.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
            windowManager.start();
            if (windowManager.waitForStarted(5000))
                QThread::msleep(500); // until it has taken the screen
            else
                why = QStringLiteral("openbox did not start");
        }
        if (!why.isEmpty()) {
            server.reset();
            brevmark::test::setX11Missing(why);
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !server)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int result = 0;
    {
        QApplication app(argc, argv);
        brevmark::installFontSubstitutions();
        result = RUN_ALL_TESTS();
    }
    if (windowManager.state() != QProcess::NotRunning) {
        windowManager.terminate();
        windowManager.waitForFinished(3000);
    }
    return result;
}
