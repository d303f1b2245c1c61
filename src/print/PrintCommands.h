#pragma once

#include "platform/DataLocation.h"
#include "print/ItemPrinter.h"
#include "print/PrintJob.h"
#include "print/PrintPictures.h"
#include "print/PrinterFactory.h"

namespace brevmark {

class MessageBoxes;
class PictureLoader;
class PrintHost;
struct PageModel;
struct PrintSettings;

// The two print commands of the main window and the item print `噴墨列印` they share. Each runs
// one print job on a fresh printer from the factory (the system's default printer); when the
// system has none the user is told and nothing is printed. A command that draws nothing sends
// no document. The steps around the job (closing panels, hiding item 0, refocusing) go to the
// host.
class PrintCommands {
public:
    // `settings` are the program's live print settings: the settings window may change them at
    // any time, and each command prints with them as they are then.
    PrintCommands(PageModel& model, const PictureLoader& pictures, DataLocation location,
                  PrinterFactory printers, MessageBoxes& messages, const PrintSettings& settings,
                  PrintHost& host);
    PrintCommands(const PrintCommands&) = delete;
    PrintCommands& operator=(const PrintCommands&) = delete;

    // `噴墨列印`: one item into the open document of `printer`; false when it failed (reported).
    bool printItem(int index, Printer& printer);

    // The simple layout's command (`確定列印`): item 0 in the print quantity.
    void printSimple();
    // The professional layout's command (`確定列印_V`): every item of the page.
    void printPage();
    // F1: the command of the current layout mode; other modes do nothing.
    void printForCurrentLayout();

    // Items that failed in the last command.
    int failedItems() const { return failed_; }

private:
    std::unique_ptr<Printer> openPrinter();
    void run(const QList<PrintJob::Placement>& placements);

    PageModel& model_;
    PrintPictures pictures_;
    PrinterFactory printers_;
    MessageBoxes& messages_;
    const PrintSettings& settings_;
    PrintHost& host_;
    ItemPrinter itemPrinter_;
    PrintJob job_;
    int failed_ = 0;
};

} // namespace brevmark
