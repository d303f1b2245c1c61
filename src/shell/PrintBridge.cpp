#include "shell/PrintBridge.h"

#include "page/ui/BarcodeEditPanel.h"
#include "page/ui/BarcodeItemWidget.h"
#include "page/ui/PageEditor.h"
#include "page/ui/PrintQuantityPanel.h"
#include "platform/MessageBoxes.h"
#include "platform/PreviewPrinter.h"
#include "platform/QtPictureLoader.h"
#include "platform/Timer.h"
#include "platform/cups/CupsPrinter.h"
#include "platform/qt/PictureControl.h"
#include "print/F1Poller.h"
#include "print/PrintCommands.h"
#include "print/PrintTexts.h"
#include "print/ui/PrintButton.h"
#include "print/ui/PrintPreviewWindow.h"
#include "settings/SettingsWindow.h"
#include "shell/MainWindow.h"

#include <QLineEdit>
#include <QShortcut>

namespace brevmark {

PrinterFactory PrintBridge::defaultPrinter() {
    return []() -> std::unique_ptr<Printer> {
        QString error;
        std::optional<CupsQueue> queue = CupsQueue::find(QString(), &error);
        if (!queue)
            return nullptr;
        return std::make_unique<CupsPrinter>(std::move(*queue));
    };
}

PrintBridge::PrintBridge(MainWindow& window) : QObject(&window), window_(window) {
    PageModel& model = window.pageEditor().model();
    commands_ = std::make_unique<PrintCommands>(model, window.pictureLoader(),
                                                window.services().location, defaultPrinter(),
                                                window.values().printing, *this);
    const PrintCommands::GoOn goOn = [this](const QString& message) { return askGoOn(message); };
    f1_ = new F1Poller(
        window.services().system, *window.timers().printHotKey,
        [this, goOn] { tell(commands_->printForCurrentLayout(goOn)); }, this);

    if (PrintQuantityPanel* quantity = window.pageEditor().quantityPanel()) {
        auto* button = new PrintButton(quantity);
        button->setHintSink([this](const QString& hint) { window_.setHint(hint); });
        connect(button, &PrintButton::printRequested, this,
                [this, goOn] { tell(commands_->printSimple(goOn)); });
        connect(button, &PrintButton::previewRequested, this, [this] { openPreview(); });
        quantity->setPrintButton(button);
    }
    connect(&window, &MainWindow::toolbarActivated, this, [this, goOn](ToolbarCommand command) {
        if (command == ToolbarCommand::Print)
            tell(commands_->printPage(goOn));
        else if (command == ToolbarCommand::Settings)
            openSettingsWindow();
    });
    if (auto* pagePrint = window.findChild<PictureControl*>(QStringLiteral("確定列印_V")))
        connect(pagePrint, &PictureControl::released, this,
                [this](QPointF, Qt::MouseButton button, bool inside) {
                    if (button == Qt::RightButton && inside)
                        openPreview();
                });
    auto* previewKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), &window);
    previewKey->setObjectName(QStringLiteral("預覽熱鍵"));
    connect(previewKey, &QShortcut::activated, this, [this] { openPreview(); });
}

PrintBridge::~PrintBridge() = default;

bool PrintBridge::askGoOn(const QString& message) {
    return window_.services().messages.show(print_texts::checkTitle(), message,
                                            MessageIcon::Warning, MessageButtons::YesNo) ==
           MessageAnswer::Yes;
}

void PrintBridge::tell(const PrintCommands::Outcome& outcome) {
    for (const QString& warning : outcome.warnings())
        window_.services().messages.warn(print_texts::noticeTitle(), warning);
}

PrintPreviewWindow* PrintBridge::openPreview() {
    const QList<PrintJob::Placement> job = commands_->currentJob();
    if (job.isEmpty())
        return nullptr;
    std::unique_ptr<Printer> printer = commands_->openPrinter();
    if (!printer) {
        tell(PrintCommands::Outcome{true, false, {}});
        return nullptr;
    }
    const QList<PrintCheck::Finding> findings = commands_->check(job, *printer);
    if (!findings.isEmpty() && !askGoOn(PrintCheck::message(findings)))
        return nullptr;
    auto pages = std::make_unique<PreviewPrinter>(printer->pageTwips(), printer->printableArea(),
                                                  printer->dotsPerInch());
    printer->abortDocument();
    const QList<int> failed = commands_->draw(job, *pages);
    tell(PrintCommands::Outcome{false, false, failed});
    if (preview_)
        preview_->close();
    preview_ = new PrintPreviewWindow(std::move(pages), &window_);
    // The job was checked when the preview opened; printing from it asks nothing more.
    connect(preview_, &PrintPreviewWindow::printRequested, this,
            [this] { tell(commands_->printForCurrentLayout()); });
    preview_->show();
    preview_->raise();
    preview_->activateWindow();
    return preview_;
}

void PrintBridge::openSettingsWindow() {
    window_.closePanels();
    StartupValues& values = window_.values();
    auto* settings = new SettingsWindow(SettingsWindow::Context{
        window_.settings(), window_.services().messages, window_.services().system, values.printing,
        values.updateCheck, defaultPrinter(), values.expectedPassword,
        [this] { window_.endAtOnce(); }});
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
    window_.pageEditor().setSimpleItemVisible(visible);
}

void PrintBridge::refocusBarcodeEntry() {
    window_.pageEditor().refocusBarcodeEntry();
}

void PrintBridge::closePanels() {
    window_.closePanels();
}

LayoutMode PrintBridge::layoutMode() const {
    return window_.values().layoutMode;
}

} // namespace brevmark
