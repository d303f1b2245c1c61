#pragma once

#include "DesktopSession.h"
#include "MessageBoxReader.h"
#include "ProgramLoop.h"
#include "ShellDoubles.h"
#include "UserInput.h"
#include "XSelection.h"

#include "platform/qt/QtMessageBoxes.h"
#include "shell/ToolbarBands.h"
#include "platform/qt/QtSystemServices.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPointer>
#include <gtest/gtest.h>

namespace brevmark {
class ImportWindow;
class RecordManagerWindow;
} // namespace brevmark

namespace brevmark::test {

// Brevmark as a user meets it on a desktop: the main window on a temporary program folder with
// the real message boxes, the real keyboard, screen and clipboard, driven with the real pointer
// and keys. Only the end of the process is recorded instead of ending the test. Skips when the
// desktop, xdotool or xclip is missing (scripts/install-deps.sh installs them all).
class DesktopProgram : public ::testing::Test {
protected:
    TempStateFolder state;
    TempDataFolder folder{false};
    LocalFileSystem files;
    QtMessageBoxes messages;
    QtSystemServices system;
    RecordingControl control;
    MessageBoxReader boxes;
    std::unique_ptr<MainWindow> window;

    void SetUp() override;
    void TearDown() override;

    void writeSettings(const QString& text);
    // The program started on TOP.reg holding `settings`, its deferred start-up step run by its
    // own timer, its window shown and active.
    MainWindow& open(const QString& settings = professional());
    static QString professional();

    // A toolbar button of the professional layout: the pointer into its band shows it, a click
    // presses it.
    void clickToolbar(ToolbarCommand command);
    RecordManagerWindow* openManager();
    ImportWindow* openImport(RecordManagerWindow* manager);
    // The record manager, then its bulk import window, each by its button; false when either
    // did not open.
    bool openBulkImport(QPointer<RecordManagerWindow>& manager, QPointer<ImportWindow>& import);
    QWidget* openSettings();
    QWidget* openAlignment();
    // A button on the bulk import window's top edge, shown by the pointer in its band.
    static void clickImportToolbar(ImportWindow* import, const char* name);

    template <typename T = QWidget> static T* child(QWidget* root, const char* name) {
        return root->findChild<T*>(QString::fromUtf8(name));
    }
};

} // namespace brevmark::test
