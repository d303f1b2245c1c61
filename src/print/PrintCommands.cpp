#include "print/PrintCommands.h"

#include "page/PageModel.h"
#include "platform/MessageBoxes.h"
#include "print/PrintHost.h"
#include "print/PrintSettings.h"
#include "print/PrintTexts.h"

namespace brevmark {

PrintCommands::PrintCommands(PageModel& model, const PictureLoader& pictures, DataLocation location,
                             PrinterFactory printers, MessageBoxes& messages,
                             const PrintSettings& settings, PrintHost& host)
    : model_(model), pictures_(pictures, std::move(location)), printers_(std::move(printers)),
      messages_(messages), settings_(settings), host_(host),
      itemPrinter_(model.items(), model.tags(), pictures_, messages), job_(itemPrinter_, settings) {
}

bool PrintCommands::printItem(int index, Printer& printer) {
    const bool ok = itemPrinter_.print(index, printer, settings_);
    if (!ok)
        ++failed_;
    return ok;
}

std::unique_ptr<Printer> PrintCommands::openPrinter() {
    std::unique_ptr<Printer> printer = printers_ ? printers_() : nullptr;
    if (!printer || !printer->isAvailable()) {
        messages_.warn(print_texts::noticeTitle(), print_texts::noPrinter());
        return nullptr;
    }
    return printer;
}

void PrintCommands::run(const QList<PrintJob::Placement>& placements) {
    if (placements.isEmpty())
        return;
    if (std::unique_ptr<Printer> printer = openPrinter())
        failed_ += job_.print(placements, *printer);
}

void PrintCommands::printSimple() {
    failed_ = 0;
    pictures_.forget();
    // Item 0 stays hidden while its copies print (a message box may show meanwhile).
    host_.setSimpleItemVisible(false);
    run(PrintJob::simpleCopies(model_, settings_));
    host_.setSimpleItemVisible(true);
    host_.refocusBarcodeEntry();
}

void PrintCommands::printPage() {
    failed_ = 0;
    pictures_.forget();
    host_.closePanels();
    run(PrintJob::pageItems(model_, settings_));
}

void PrintCommands::printForCurrentLayout() {
    switch (host_.layoutMode()) {
    case 0:
        printSimple();
        break;
    case 1:
        printPage();
        break;
    default:
        break;
    }
}

} // namespace brevmark
