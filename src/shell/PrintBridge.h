#pragma once

#include "print/PrintHost.h"

#include <QObject>
#include <memory>

namespace brevmark {

class F1Poller;
class MainWindow;
class PrintCommands;

// Joins the print commands to the main window: the print buttons, the toolbar's print and
// settings buttons, and F1 on the print hot-key timer.
class PrintBridge : public QObject, public PrintHost {
    Q_OBJECT
public:
    explicit PrintBridge(MainWindow& window);
    ~PrintBridge() override;

    PrintCommands& commands() { return *commands_; }
    // Opens the settings window as a child window of the main window.
    void openSettingsWindow();
    // The print key's poll stops (the lock screen is up); when it resumes, a press made in the
    // meantime prints nothing.
    void pausePrintKey();
    void resumePrintKey();

    // PrintHost
    void setSimpleItemVisible(bool visible) override;
    void refocusBarcodeEntry() override;
    void closePanels() override;
    int layoutMode() const override;

private:
    MainWindow& window_;
    std::unique_ptr<PrintCommands> commands_;
    F1Poller* f1_ = nullptr;
};

} // namespace brevmark
