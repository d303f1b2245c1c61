#include "DesktopProgram.h"

#include "import/ui/ImportWindow.h"
#include "manager/ui/RecordManagerWindow.h"
#include "platform/Timer.h"
#include "shell/RecordsBridge.h"
#include "shell/ToolbarBands.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

namespace brevmark::test {

void DesktopProgram::SetUp() {
    QString missing = desktopMissing();
    if (missing.isEmpty())
        missing = user_input::missing();
    if (missing.isEmpty())
        missing = x_selection::missing();
    if (!missing.isEmpty())
        GTEST_SKIP() << "skipped: " << missing.toStdString();
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
}

void DesktopProgram::TearDown() {
    window.reset();
    user_input::settle(50);
}

QString DesktopProgram::professional() {
    return QStringLiteral("\"主視窗大小\",\"1 0 100 100 12090 7470\"\r\n");
}

void DesktopProgram::writeSettings(const QString& text) {
    QDir().mkpath(folder.location().recordsFolder());
    folder.writeRecordsFile(QStringLiteral("TOP.reg"), pythonCp950(text));
}

MainWindow& DesktopProgram::open(const QString& settings) {
    if (!settings.isEmpty())
        writeSettings(settings);
    window = std::make_unique<MainWindow>(
        ShellServices{folder.location(), files, messages, system, control});
    MainWindow& w = *window;
    EXPECT_TRUE(w.start());
    w.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
    // The deferred start-up step runs from its own timer, 200 ms on.
    EXPECT_TRUE(QTest::qWaitFor([&w] { return !w.timers().arrangeWindow->isActive(); }, 5000));
    user_input::activate(&w);
    return w;
}

void DesktopProgram::clickToolbar(ToolbarCommand command) {
    MainWindow& w = *window;
    const ToolbarButton& band = ToolbarBands::button(command);
    user_input::moveTo(&w, QPoint(int(band.left / 15) + 10, 16));
    QWidget* button = w.findChild<QWidget*>(band.name);
    ASSERT_NE(button, nullptr) << band.name.toStdString();
    EXPECT_EQ(button->y(), 0) << band.name.toStdString() << " shows while the pointer is in its band";
    user_input::click(button, QPoint(10, 16));
}

RecordManagerWindow* DesktopProgram::openManager() {
    clickToolbar(ToolbarCommand::Records);
    RecordManagerWindow* manager = window->records().manager();
    if (manager)
        EXPECT_TRUE(QTest::qWaitForWindowExposed(manager));
    return manager;
}

ImportWindow* DesktopProgram::openImport(RecordManagerWindow* manager) {
    auto* bulk = manager->findChild<QPushButton*>(QStringLiteral("多筆按鈕"));
    user_input::click(bulk, bulk->rect().center());
    auto* import = manager->findChild<ImportWindow*>(QStringLiteral("匯入視窗"));
    if (import)
        EXPECT_TRUE(QTest::qWaitForWindowExposed(import));
    return import;
}

bool DesktopProgram::openBulkImport(QPointer<RecordManagerWindow>& manager,
                                    QPointer<ImportWindow>& import) {
    manager = openManager();
    if (manager)
        import = openImport(manager);
    return manager && import;
}

QWidget* DesktopProgram::openSettings() {
    clickToolbar(ToolbarCommand::Settings);
    QWidget* settings = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QStringLiteral("系統設定") && top->isVisible())
            settings = top;
    if (settings)
        EXPECT_TRUE(QTest::qWaitForWindowExposed(settings));
    return settings;
}

QWidget* DesktopProgram::openAlignment() {
    clickToolbar(ToolbarCommand::Arrangement);
    QWidget* button = child(window.get(), "標籤對齊按鈕");
    if (!button)
        return nullptr;
    user_input::click(button, button->rect().center());
    QWidget* alignment = window->findChild<QWidget*>(QStringLiteral("對齊視窗"));
    if (alignment)
        EXPECT_TRUE(QTest::qWaitForWindowExposed(alignment));
    return alignment;
}

void DesktopProgram::clickImportToolbar(ImportWindow* import, const char* name) {
    QWidget* button = child(import, name);
    ASSERT_NE(button, nullptr) << name;
    user_input::moveTo(import, QPoint(button->x() + 20, 18));
    EXPECT_EQ(button->y(), 0) << name << " shows while the pointer is in its band";
    user_input::click(button, QPoint(20, 18));
}

} // namespace brevmark::test
