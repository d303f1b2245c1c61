#pragma once

#include "platform/DataLocation.h"
#include "print/ItemPrinter.h"
#include "print/PrintCheck.h"
#include "print/PrintJob.h"
#include "print/PrintPictures.h"
#include "print/PrinterFactory.h"

#include <QStringList>
#include <functional>

namespace brevmark {

class PictureLoader;
class PrintHost;
struct PageModel;
struct PrintSettings;

// The two print commands of the main window and the item print `噴墨列印` they share. Each runs
// one print job on a fresh printer from the factory (the system's default printer). Before the
// job starts, it is checked (PrintCheck); when the check finds something, the caller's question
// decides whether it prints. A command that draws nothing sends no document. The steps around the
// job (closing panels, hiding item 0, refocusing) go to the host; what the user is to be told
// comes back in the outcome, for the window to show.
class PrintCommands {
public:
    // What came of one command.
    struct Outcome {
        bool noPrinter = false;  // the system has no printer: nothing was printed
        bool declined = false;   // the check found faults and the user chose not to print
        QList<int> failedItems;  // items that could not be printed completely, in print order

        // The warnings the window shows, in order (title print_texts::noticeTitle()).
        QStringList warnings() const;
    };
    // Asked with the check's message (PrintCheck::message) before a job with findings; true
    // prints all the same. Without one, such a job prints.
    using GoOn = std::function<bool(const QString& message)>;

    // `settings` are the program's live print settings: the settings window may change them at
    // any time, and each command prints with them as they are then.
    PrintCommands(PageModel& model, const PictureLoader& pictures, DataLocation location,
                  PrinterFactory printers, const PrintSettings& settings, PrintHost& host);
    PrintCommands(const PrintCommands&) = delete;
    PrintCommands& operator=(const PrintCommands&) = delete;

    // `噴墨列印`: one item into the open document of `printer`; false when it failed.
    bool printItem(int index, Printer& printer);

    // The simple layout's command (`確定列印`): item 0 in the print quantity.
    Outcome printSimple(const GoOn& goOn = {});
    // The professional layout's command (`確定列印_V`): every item of the page.
    Outcome printPage(const GoOn& goOn = {});
    // F1: the command of the current layout mode; other modes do nothing.
    Outcome printForCurrentLayout(const GoOn& goOn = {});

    // The job the current layout's command would print, as it stands now.
    QList<PrintJob::Placement> currentJob() const;
    // A fresh printer from the factory; null when the system has none.
    std::unique_ptr<Printer> openPrinter() const;
    // What the check finds in a job for that printer's paper and dot.
    QList<PrintCheck::Finding> check(const QList<PrintJob::Placement>& job,
                                     const Printer& printer) const;
    // Draws a job into `printer` and ends its document (the preview's pages, or paper); the
    // indexes of the items that failed.
    QList<int> draw(const QList<PrintJob::Placement>& job, Printer& printer);

    // Items that failed in the last command.
    int failedItems() const { return failed_; }

private:
    Outcome run(const QList<PrintJob::Placement>& placements, const GoOn& goOn);

    PageModel& model_;
    PrintPictures pictures_;
    PrinterFactory printers_;
    const PrintSettings& settings_;
    PrintHost& host_;
    ItemPrinter itemPrinter_;
    PrintJob job_;
    int failed_ = 0;
};

} // namespace brevmark
