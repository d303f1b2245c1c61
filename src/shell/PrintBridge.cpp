#include "shell/PrintBridge.h"

#include "page/ui/BarcodeEditPanel.h"
#include "page/ui/BarcodeItemWidget.h"
#include "page/ui/PageEditor.h"
#include "page/ui/PrintQuantityPanel.h"
#include "platform/QtPictureLoader.h"
#include "platform/qt/QtPrinter.h"
#include "print/F1Poller.h"
#include "print/PrintCommands.h"
#include "print/ui/PrintButton.h"
#include "settings/SettingsWindow.h"
#include "shell/MainWindow.h"

#include <QLineEdit>

namespace brevmark {

namespace {
PrinterFactory defaultPrinter() {
    return [] { return std::make_unique<QtPrinter>(); };
}
} // namespace

PrintBridge::PrintBridge(MainWindow& window) : QObject(&window), window_(window) {
    PageModel& model = window.pageEditor().model();
    commands_ = std::make_unique<PrintCommands>(
        model, window.pictureLoader(), window.services().location, defaultPrinter(),
        window.services().messages, window.values().printing, *this);
    f1_ = new F1Poller(
        window.services().system, *window.timers().printHotKey,
        [this] { commands_->printForCurrentLayout(); }, this);

    if (PrintQuantityPanel* quantity = window.pageEditor().quantityPanel()) {
        auto* button = new PrintButton(quantity);
        button->setHintSink([this](const QString& hint) { window_.setHint(hint); });
        connect(button, &PrintButton::printRequested, this, [this] { commands_->printSimple(); });
        quantity->setPrintButton(button);
    }
    connect(&window, &MainWindow::toolbarActivated, this, [this](ToolbarCommand command) {
        if (command == ToolbarCommand::Print)
            commands_->printPage();
        else if (command == ToolbarCommand::Settings)
            openSettingsWindow();
    });
}

PrintBridge::~PrintBridge() = default;

void PrintBridge::openSettingsWindow() {
    window_.closePanels();
    StartupValues& values = window_.values();
    auto* settings = new SettingsWindow(SettingsWindow::Context{
        window_.settings(), window_.services().messages, window_.services().system, values.printing,
        values.updateCheck, defaultPrinter(), values.expectedPassword,
        [this] { window_.endAtOnce(); }});
    window_.showChildWindow(settings);
}

void PrintBridge::setSimpleItemVisible(bool visible) {
    window_.pageEditor().setSimpleItemVisible(visible);
}

void PrintBridge::refocusBarcodeEntry() {
    window_.pageEditor().refocusBarcodeEntry();
}

void PrintBridge::closePanels() {
    window_.closePanels();
}

int PrintBridge::layoutMode() const {
    return window_.values().layoutMode;
}

} // namespace brevmark
