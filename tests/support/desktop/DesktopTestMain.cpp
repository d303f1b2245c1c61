// The end-to-end tests run in a QApplication on the xcb platform, configured as the program
// configures its own, connected to a desktop (an X server and a window manager) that this process
// starts before the application and stops after it. When listing the tests nothing is started.
#include "DesktopSession.h"

#include "shell/Application.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Nothing a test does may reach the user's own state folder.
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    std::unique_ptr<brevmark::test::DesktopSession> desktop;
    if (!GTEST_FLAG_GET(list_tests)) {
        QString why;
        desktop = brevmark::test::DesktopSession::start(&why);
        if (desktop) {
            qputenv("DISPLAY", desktop->display().toLocal8Bit());
            qputenv("QT_QPA_PLATFORM", "xcb");
            qputenv("QT_SCALE_FACTOR", desktop->scale().toLocal8Bit());
        } else {
            brevmark::test::setDesktopMissing(why);
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !desktop)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int result = 0;
    {
        QApplication app(argc, argv);
        brevmark::configureApplication(app);
        result = RUN_ALL_TESTS();
    }
    return result;
}
