#pragma once

#include "platform/LocalFileSystem.h"
#include "platform/SystemServices.h"
#include "platform/Timer.h"
#include "shell/ApplicationControl.h"
#include "shell/MainWindow.h"
#include "support/FakeSystemServices.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDataFolder.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace brevmark::test {

// The desktop the main window's tests run on: a 1920 x 1080 pixel screen with three fonts, a
// calendar fixed at 9 December 2026, 9:00, and a browser that opens every page.
inline FakeSystemServices shellSystem() {
    FakeSystemServices system = desktopSystem();
    system.fonts = {QStringLiteral("Arial"), QStringLiteral("@新細明體"),
                    QStringLiteral("新細明體")};
    system.browserOpens = true;
    return system;
}

class RecordingControl : public ApplicationControl {
public:
    int endings = 0;
    int lastCode = -1;
    void endNow(int code) override {
        ++endings;
        lastCode = code;
    }
};

// The user's state folder pointed at a temporary folder for as long as it lives.
struct TempStateFolder {
    QTemporaryDir dir;
    bool wasSet = qEnvironmentVariableIsSet("XDG_STATE_HOME");
    QByteArray before = qgetenv("XDG_STATE_HOME");
    TempStateFolder() { qputenv("XDG_STATE_HOME", dir.path().toLocal8Bit()); }
    ~TempStateFolder() {
        if (wasSet)
            qputenv("XDG_STATE_HOME", before);
        else
            qunsetenv("XDG_STATE_HOME");
    }
};

// A main window on a temporary program folder and state folder with every service doubled.
// The control called `name` under root; with an index, the one of the numbered controls that
// carries it.
template <typename T = QWidget> T* find(QWidget& root, const QString& name, int index = -1) {
    for (T* w : root.findChildren<T*>(name))
        if (index < 0 || w->property("index").toInt() == index)
            return w;
    return nullptr;
}

struct ShellFixture {
    TempStateFolder state;
    TempDataFolder folder{false};
    LocalFileSystem files;
    ScriptedMessageBoxes messages;
    FakeSystemServices system = shellSystem();
    RecordingControl control;
    std::unique_ptr<MainWindow> window;

    MainWindow& make() {
        window = std::make_unique<MainWindow>(
            ShellServices{folder.location(), files, messages, system, control});
        return *window;
    }
    void writeSettings(const QString& text) {
        QDir().mkpath(folder.location().recordsFolder());
        folder.writeRecordsFile(QStringLiteral("TOP.reg"), pythonCp950(text));
    }
    // Starts the program, with the main window's placement (`主視窗大小`, "1 …" professional,
    // "0 …" simple) stored first unless it is empty, arranged and shown on the screen.
    MainWindow& startShown(const QString& placement) {
        if (!placement.isEmpty())
            writeSettings(QStringLiteral("\"主視窗大小\",\"%1\"\r\n").arg(placement));
        MainWindow& w = make();
        EXPECT_TRUE(w.start());
        w.findChild<Timer*>(QStringLiteral("排列視窗位置"))->fire();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        return w;
    }
    // The same, and the window holds the focus.
    MainWindow& startActive(const QString& placement) {
        MainWindow& w = startShown(placement);
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        return w;
    }
};

} // namespace brevmark::test
