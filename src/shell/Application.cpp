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

int runApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brevmark"));
    // The installed desktop entry, so that desktops match the window to its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.brevmark.Brevmark"));
    installFontSubstitutions();
    // Every window fits the screen it opens on (a 2x screen of 1920 x 1080 is 960 x 540).
    app.installEventFilter(new ScreenFit(&app));

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
