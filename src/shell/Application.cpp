#include "shell/Application.h"

#include "platform/DataLocation.h"
#include "platform/FontMetricsTwips.h"
#include "platform/LocalFileSystem.h"
#include "platform/SingleInstance.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/qt/ScreenFit.h"
#include "platform/qt/QtSystemServices.h"
#include "shell/ApplicationControl.h"
#include "shell/InstanceGate.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <cstdlib>

namespace brevmark {

namespace {

// Ends the process at once: nothing is saved, no window gets a say.
class ProcessControl : public ApplicationControl {
public:
    void endNow(int exitCode) override {
        if (instance)
            instance->release();
        std::fflush(nullptr);
        std::_Exit(exitCode);
    }
    SingleInstance* instance = nullptr;
};

} // namespace

void configureApplication(QApplication& app) {
    app.setApplicationName(QStringLiteral("Brevmark"));
    // The program ends only by its own paths (the main window's close command or its closing by
    // the desktop, the lock screen's exit, a new password, a repaired file), never because the
    // last window Qt counts went: while a child window is open the main window is hidden, and a
    // message box of the bulk import window (a window of the hidden record manager) would be
    // the last one.
    app.setQuitOnLastWindowClosed(false);
    // The installed desktop entry, so that desktops match the window to its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.brevmark.Brevmark"));
    installFontSubstitutions();
    // Every window fits the screen it opens on (a 2x screen of 1920 x 1080 is 960 x 540).
    app.installEventFilter(new ScreenFit(&app));
}

int runApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    configureApplication(app);

    const DataLocation location = DataLocation::forThisProcess();
    QtMessageBoxes messages;
    SingleInstance instance(location.programFolder());
    if (const std::optional<int> status =
            InstanceGate::check(instance, messages, location.programFolder()))
        return *status;

    LocalFileSystem files;
    QtSystemServices system;
    ProcessControl control;
    control.instance = &instance;

    MainWindow window(ShellServices{location, files, messages, system, control});
    if (!window.start())
        return 0;
    window.show();
    return app.exec();
}

} // namespace brevmark
