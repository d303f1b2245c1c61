#include "shell/PrintBridge.h"

#include "page/ui/BarcodeEditPanel.h"
#include "page/ui/BarcodeItemWidget.h"
#include "page/ui/PageEditor.h"
#include "page/ui/PrintQuantityPanel.h"
#include "platform/QtPictureLoader.h"
#include "platform/qt/QtPrinter.h"
#include "print/F1Poller.h"
#include "print/PrintCommands.h"
#include "platform/Timer.h"
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
    connect(&window, &MainWindow::toolbarActivated, this, [this](int index) {
        if (index == 4)
            commands_->printPage();
        else if (index == 5)
            openSettingsWindow();
    });
}

PrintBridge::~PrintBridge() = default;

void PrintBridge::openSettingsWindow() {
    window_.closePanels();
    StartupValues& values = window_.values();
    auto* settings = new SettingsWindow(SettingsWindow::Context{
        window_.settings(), window_.services().messages, window_.services().system, values.printing,
        values.updateFlag, defaultPrinter(), values.expectedPassword, [this] { window_.endAtOnce(); }});
    window_.showChildWindow(settings);
}

void PrintBridge::pausePrintKey() {
    window_.timers().printHotKey->stop();
}

void PrintBridge::resumePrintKey() {
    f1_->forgetPresses();
    window_.timers().printHotKey->start();
}

void PrintBridge::setSimpleItemVisible(bool visible) {
    PageEditor& editor = window_.pageEditor();
    BarcodeItemWidget* item0 = editor.itemWidget(ItemTable::simpleItem);
    if (!item0)
        return;
    if (visible)
        editor.showSimpleItemAtOrigin();
    else
        item0->hide();
}

void PrintBridge::refocusBarcodeEntry() {
    BarcodeEditPanel* panel = window_.pageEditor().editPanel();
    panel->show();
    QLineEdit* entry = panel->entry();
    entry->setFocus();
    entry->selectAll();
    window_.stackPanels();
}

void PrintBridge::closePanels() {
    window_.closePanels();
}

int PrintBridge::layoutMode() const {
    return window_.values().layoutModeNumber();
}

} // namespace brevmark
