// The undo tests run in a QApplication on the xcb platform, connected to an X server and a window
// manager that this process starts before the application and stops after it. When listing the
// tests nothing is started.
#include "XSession.h"
#include "XvfbServer.h"

#include "platform/FontMetricsTwips.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Nothing a test does may reach the user's own state folder.
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    std::unique_ptr<brevmark::test::XvfbServer> server;
    if (!GTEST_FLAG_GET(list_tests)) {
        QString why;
        server = brevmark::test::XvfbServer::start(&why);
        if (server) {
            qputenv("DISPLAY", server->display().toLocal8Bit());
            qputenv("QT_QPA_PLATFORM", "xcb");
        } else {
            brevmark::test::setDesktopMissing(why);
        }
    }
    if (!server)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int result = 0;
    {
        QApplication app(argc, argv);
        brevmark::installFontSubstitutions();
        std::unique_ptr<brevmark::test::XSession> session;
        if (server) {
            QString why;
            session = brevmark::test::XSession::start(&why);
            if (!session)
                brevmark::test::setDesktopMissing(why);
        }
        result = RUN_ALL_TESTS();
    }
    return result;
}
