#include "print/PrintCommands.h"

#include "common/Twips.h"
#include "page/PageModel.h"
#include "print/PrintHost.h"
#include "print/PrintSettings.h"
#include "print/PrintTexts.h"

namespace brevmark {

QStringList PrintCommands::Outcome::warnings() const {
    QStringList texts;
    if (noPrinter)
        texts << print_texts::noPrinter();
    for (int index : failedItems)
        texts << print_texts::itemFailure(index);
    return texts;
}

PrintCommands::PrintCommands(PageModel& model, const PictureLoader& pictures, DataLocation location,
                             PrinterFactory printers, const PrintSettings& settings,
                             PrintHost& host)
    : model_(model), pictures_(pictures, std::move(location)), printers_(std::move(printers)),
      settings_(settings), host_(host), itemPrinter_(model.items(), model.tags(), pictures_),
      job_(itemPrinter_, settings) {}

bool PrintCommands::printItem(int index, Printer& printer) {
    const bool ok = itemPrinter_.print(index, printer, settings_);
    if (!ok)
        ++failed_;
    return ok;
}

std::unique_ptr<Printer> PrintCommands::openPrinter() const {
    std::unique_ptr<Printer> printer = printers_ ? printers_() : nullptr;
    if (!printer || !printer->isAvailable())
        return nullptr;
    return printer;
}

QList<PrintCheck::Finding> PrintCommands::check(const QList<PrintJob::Placement>& job,
                                                const Printer& printer) const {
    PrintCheck::Paper paper;
    paper.page = printer.pageTwips();
    paper.printable = printer.printableArea();
    const double dpi = printer.dotsPerInch();
    paper.dotTwips = dpi > 0 ? twips::fromDots(1, dpi) : 0;
    return PrintCheck::check(model_, job, settings_, paper);
}

QList<int> PrintCommands::draw(const QList<PrintJob::Placement>& job, Printer& printer) {
    pictures_.forget();
    return job_.print(job, printer);
}

PrintCommands::Outcome PrintCommands::run(const QList<PrintJob::Placement>& placements,
                                          const GoOn& goOn) {
    Outcome outcome;
    if (placements.isEmpty())
        return outcome;
    std::unique_ptr<Printer> printer = openPrinter();
    if (!printer) {
        outcome.noPrinter = true;
        return outcome;
    }
    const QList<PrintCheck::Finding> findings = check(placements, *printer);
    if (!findings.isEmpty() && goOn && !goOn(PrintCheck::message(findings))) {
        outcome.declined = true;
        return outcome;
    }
    outcome.failedItems = draw(placements, *printer);
    failed_ += int(outcome.failedItems.size());
    return outcome;
}

QList<PrintJob::Placement> PrintCommands::currentJob() const {
    switch (host_.layoutMode()) {
    case LayoutMode::Simple:
        return PrintJob::simpleCopies(model_, settings_);
    case LayoutMode::Professional:
        return PrintJob::pageItems(model_, settings_);
    case LayoutMode::None:
        break;
    }
    return {};
}

PrintCommands::Outcome PrintCommands::printSimple(const GoOn& goOn) {
    failed_ = 0;
    // Item 0 stays hidden while its copies print (a message box may show meanwhile).
    host_.setSimpleItemVisible(false);
    Outcome outcome = run(PrintJob::simpleCopies(model_, settings_), goOn);
    host_.setSimpleItemVisible(true);
    host_.refocusBarcodeEntry();
    return outcome;
}

PrintCommands::Outcome PrintCommands::printPage(const GoOn& goOn) {
    failed_ = 0;
    host_.closePanels();
    return run(PrintJob::pageItems(model_, settings_), goOn);
}

PrintCommands::Outcome PrintCommands::printForCurrentLayout(const GoOn& goOn) {
    switch (host_.layoutMode()) {
    case LayoutMode::Simple:
        return printSimple(goOn);
    case LayoutMode::Professional:
        return printPage(goOn);
    case LayoutMode::None:
        break;
    }
    return {};
}

} // namespace brevmark
