#include "shell/RecordsBridge.h"

#include "common/ScreenPixels.h"
#include "import/ui/ImportWindow.h"
#include "manager/ui/RecordManagerWindow.h"
#include "page/ui/BarcodeEditPanel.h"
#include "page/ui/PageEditor.h"
#include "page/ui/RecordLoadPanel.h"
#include "prompt/PromptWindow.h"
#include "records/BarcodeRecordFile.h"
#include "records/ui/RecordFileMessages.h"
#include "shell/ApplicationControl.h"
#include "shell/MainWindow.h"
#include "shell/StartupValues.h"

#include <QLineEdit>

namespace brevmark {

RecordsBridge::RecordsBridge(MainWindow& window)
    : QObject(&window), window_(window),
      file_(std::make_unique<BarcodeRecordFile>(window.services().files,
                                                window.services().location.recordsFolder())) {
    connect(&window, &MainWindow::toolbarActivated, this, [this](ToolbarCommand command) {
        if (command == ToolbarCommand::Records)
            openManager();
    });
}

RecordsBridge::~RecordsBridge() = default;

RecordManagerWindow* RecordsBridge::manager() const {
    return manager_;
}

void RecordsBridge::endProgram() {
    window_.services().control.endNow(0);
}

void RecordsBridge::openManager() {
    window_.closePanels();
    const ShellServices& s = window_.services();
    PromptWindow& prompt = window_.prompt();
    RecordManager::Services services{s.files,
                                     window_.settings(),
                                     clipboard_,
                                     s.system,
                                     s.location.recordsFolder(),
                                     [&prompt](int notice) { prompt.requestPendingNotice(notice); },
                                     [&prompt] { prompt.startPendingNotice(); },
                                     [this] { endProgram(); },
                                     [this](int field, const QString& caption) {
                                         QStringList& captions = window_.values().fieldCaptions;
                                         if (field >= 1 && field <= captions.size())
                                             captions[field - 1] = caption;
                                         if (loadPanel_)
                                             loadPanel_->setCaptions(
                                                 captions, window_.values().lastShownField);
                                     }};
    manager_ = new RecordManagerWindow(std::move(services), s.messages);
    manager_->setImportOpener([this] { openImport(); });
    window_.showChildWindow(manager_);
}

void RecordsBridge::openImport() {
    RecordManagerWindow* manager = manager_;
    if (!manager)
        return;
    const ShellServices& s = window_.services();
    PromptWindow& prompt = window_.prompt();
    auto* import = new ImportWindow(
        BulkImport::Services{window_.settings(), clipboard_, s.system, *file_,
                             [&prompt](int notice) { prompt.requestNotice(notice); }},
        s.messages, manager);
    connect(import, &ImportWindow::closed, manager, [manager] {
        manager->startFullRead();
        manager->show();
    });
    // Shown before the manager hides, so the main window stays hidden behind both.
    import->show();
    manager->hide();
    import->activateWindow();
}

void RecordsBridge::openLoadPanel(QPointF topLeft) {
    if (!loadPanel_) {
        const MainWindowTimers& timers = window_.timers();
        loadPanel_ = new RecordLoadPanel(
            RecordLoadPanel::Context{
                *file_, *timers.readRecords, *timers.runLater, *timers.endDisplay,
                [this](const QString& barcode) {
                    window_.pageEditor().takeBarcode(barcode);
                    loadPanel_->hide();
                },
                [this](const BarcodeRecordFile::ReadResult& read) {
                    MessageBoxes& messages = window_.services().messages;
                    if (read.outcome == BarcodeRecordFile::ReadOutcome::Unreadable)
                        RecordFileMessages::showUnreadable(*file_, read.error, messages);
                    else if (RecordFileMessages::repairDamaged(*file_, messages))
                        endProgram();
                },
                [this] { window_.closePanel(FloatingPanel::RecordLoad); }},
            &window_);
    }
    window_.values().lastShownField = storedLastShownField(window_.settings());
    loadPanel_->setCaptions(window_.values().fieldCaptions, window_.values().lastShownField);
    loadPanel_->openAt(screen::point(topLeft));
}

} // namespace brevmark
