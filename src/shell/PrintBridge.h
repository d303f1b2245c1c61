#pragma once

#include "print/PrintCommands.h"
#include "print/PrintHost.h"

#include <QObject>
#include "print/ui/PrintPreviewWindow.h"

#include <QPointer>
#include <memory>

namespace brevmark {

class F1Poller;
class MainWindow;

// Joins the print commands to the main window: the print buttons, the toolbar's print and
// settings buttons, F1 on the print hot-key timer, and the print preview (a right click on a
// print button, or Ctrl+Shift+P). It shows what the commands report: the check's question before
// a job, and the warnings after it.
class PrintBridge : public QObject, public PrintHost {
    Q_OBJECT
public:
    explicit PrintBridge(MainWindow& window);
    ~PrintBridge() override;

    // The system's default printer: its CUPS queue, with the media, printable area and dot it
    // prints with now; none when there is no default queue.
    static PrinterFactory defaultPrinter();

    PrintCommands& commands() { return *commands_; }
    // Opens the settings window as a child window of the main window.
    void openSettingsWindow();
    // The print key's poll stops (the lock screen is up); when it resumes, a press made in the
    // meantime prints nothing.
    void pausePrintKey();
    void resumePrintKey();
    // Checks the current layout's job and shows its pages in the print preview; null when
    // nothing was shown (no printer, nothing to print, or the user chose not to go on).
    PrintPreviewWindow* openPreview();
    PrintPreviewWindow* preview() const { return preview_; }

    // PrintHost
    void setSimpleItemVisible(bool visible) override;
    void refocusBarcodeEntry() override;
    void closePanels() override;
    LayoutMode layoutMode() const override;

private:
    // Asks, with the check's message, whether to print all the same.
    bool askGoOn(const QString& message);
    void tell(const PrintCommands::Outcome& outcome);

    MainWindow& window_;
    std::unique_ptr<PrintCommands> commands_;
    F1Poller* f1_ = nullptr;
    QPointer<PrintPreviewWindow> preview_;
};

} // namespace brevmark
