#pragma once

#include "common/Fixed4.h"
#include "platform/DataLocation.h"
#include "print/ItemPrinter.h"
#include "print/PrintPictures.h"
#include "print/PrinterFactory.h"

#include <cstdint>

namespace brevmark {

class MessageBoxes;
class PictureLoader;
class PrintHost;
class TagTable;
struct PageModel;

// The two print commands of the main window and the item print `噴墨列印` they share. Every
// command prints on a fresh printer from the factory (the system's default printer); when the
// system has none the user is told and nothing is printed. A command that draws nothing sends
// no document.
class PrintCommands {
public:
    // `printerKind` and `resolution` are the program's live values (0 page printer, 1 label
    // printer; twips between module lines): the settings window may change them at any time.
    PrintCommands(PageModel& model, const TagTable& tags, const PictureLoader& pictures,
                  DataLocation location, PrinterFactory printers, MessageBoxes& messages,
                  const std::uint8_t& printerKind, const Fixed4& resolution, PrintHost& host);
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

    PageModel& model_;
    PrintPictures pictures_;
    PrinterFactory printers_;
    MessageBoxes& messages_;
    const std::uint8_t& printerKind_;
    const Fixed4& resolution_;
    PrintHost& host_;
    ItemPrinter itemPrinter_;
    int failed_ = 0;
};

} // namespace brevmark
