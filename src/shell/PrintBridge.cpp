#include "shell/PrintBridge.h"

#include "page/BarcodeEditPanel.h"
#include "page/BarcodeItemWidget.h"
#include "page/PageEditor.h"
#include "page/PrintQuantityPanel.h"
#include "platform/qt/QtPictureLoader.h"
#include "platform/qt/QtPrinter.h"
#include "print/F1Poller.h"
#include "print/PrintButton.h"
#include "print/PrintCommands.h"
#include "settings/SettingsWindow.h"
#include "shell/MainWindow.h"

#include <QLineEdit>

namespace brevmark {

namespace {
PrinterFactory defaultPrinter() {
    return [] { return std::make_unique<QtPrinter>(); };
}
} // namespace

PrintBridge::PrintBridge(MainWindow& window)
    : QObject(&window), window_(window) {
    PageModel& model = window.pageEditor().model();
    commands_ = std::make_unique<PrintCommands>(
        model, model.tags, window.pictureLoader(), window.services().location, defaultPrinter(),
        window.services().messages, window.values().printerKind, window.values().printResolution,
        *this);
    f1_ = new F1Poller(window.services().system, *window.timers().printHotKey,
                       [this] { commands_->printForCurrentLayout(); }, this);

    if (auto* quantity = window.findChild<PrintQuantityPanel*>(QStringLiteral("列印數量窗"))) {
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
        window_.settings(), window_.services().messages, window_.services().system,
        values.printerKind, values.printResolution, values.updateFlag, defaultPrinter(),
        values.expectedPassword, [this] { window_.endAtOnce(); }});
    window_.showChildWindow(settings);
}

QString PrintBridge::boxText(const QString& name) const {
    const auto* box = window_.findChild<QLineEdit*>(name);
    return box ? box->text() : QString();
}

QString PrintBridge::printQuantityText() const { return boxText(QStringLiteral("列印數量")); }
QString PrintBridge::startLeftText() const { return boxText(QStringLiteral("起始左")); }
QString PrintBridge::startTopText() const { return boxText(QStringLiteral("起始上")); }

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
    if (auto* entry = panel->findChild<QLineEdit*>(QStringLiteral("條碼輸入"))) {
        entry->setFocus();
        entry->selectAll();
    }
    window_.stackPanels();
}

void PrintBridge::closePanels() { window_.closePanels(); }

int PrintBridge::layoutMode() const { return window_.values().layoutModeNumber(); }

} // namespace brevmark
