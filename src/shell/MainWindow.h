#pragma once

#include "records/SettingsStore.h"
#include "shell/MainWindowTimers.h"
#include "shell/ShellServices.h"
#include "shell/StartupValues.h"

#include <QWidget>
#include <memory>

class QPushButton;

namespace brevmark {

// The main window 主視窗: its life is the program's life. Opening it runs start-up; its close
// command stores the window placement and ends the program.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(ShellServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up, first phase: data folders, settings, the values they set, the lists, the timers.
    // False when the program has been told to end.
    bool start();
    // Start-up, second phase: runs from the first tick of the arrange-window timer.
    void deferredStart();
    // The close command: stores the window placement, then ends the program.
    void closeProgram();

    const StartupValues& values() const { return values_; }
    StartupValues& values() { return values_; }
    SettingsStore& settings() { return settings_; }
    const MainWindowTimers& timers() const { return timers_; }
    const QStringList& fontList() const { return fontList_; }

    // Geometry of the window in twips.
    void setGeometryTwips(double left, double top, double width, double height);
    void resizeTwips(double width, double height);
    QRectF geometryTwips() const;
    // 0 normal, 1 minimised, 2 maximised.
    int windowStateCode() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool prepareDataFolders();
    void applyPlacement();
    void fillFontList();
    void layoutFrame();

    ShellServices services_;
    SettingsStore settings_;
    StartupValues values_;
    MainWindowTimers timers_;
    QStringList fontList_;
    QPushButton* closeButton_;
    bool ending_ = false;
};

} // namespace brevmark
