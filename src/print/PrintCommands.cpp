#include "print/PrintCommands.h"

#include "common/LeadingNumber.h"
#include "common/Rounding.h"
#include "page/PageModel.h"
#include "platform/MessageBoxes.h"
#include "print/PrintHost.h"
#include "print/PrintTexts.h"
#include "print/SimplePrintPlan.h"

namespace brevmark {

PrintCommands::PrintCommands(PageModel& model, const TagTable& tags, const PictureLoader& pictures,
                             DataLocation location, PrinterFactory printers, MessageBoxes& messages,
                             const std::uint8_t& printerKind, const Fixed4& resolution,
                             PrintHost& host)
    : model_(model), pictures_(pictures, std::move(location)), printers_(std::move(printers)),
      messages_(messages), printerKind_(printerKind), resolution_(resolution), host_(host),
      itemPrinter_(model.items, tags, pictures_, messages) {}

bool PrintCommands::printItem(int index, Printer& printer) {
    const bool ok = itemPrinter_.print(index, printer, printerKind_, resolution_);
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

void PrintCommands::printSimple() {
    failed_ = 0;
    pictures_.forget();
    BarcodeItem& item = model_.items.at(0);
    host_.setSimpleItemVisible(false);
    const QPointF start(toInt16(leadingNumber(host_.startLeftText()) * 15),
                        toInt16(leadingNumber(host_.startTopText()) * 15));
    const double quantity = leadingNumber(host_.printQuantityText());
    const QList<SimplePrintPlan::Copy> copies =
        SimplePrintPlan::plan(quantity, start, item.width, item.height, printerKind_);
    if (!copies.isEmpty()) {
        if (std::unique_ptr<Printer> printer = openPrinter()) {
            for (const SimplePrintPlan::Copy& copy : copies) {
                if (copy.newPageBefore)
                    printer->newPage();
                item.left = float(copy.topLeft.x());
                item.top = float(copy.topLeft.y());
                printItem(0, *printer);
            }
            printer->endDocument();
        }
    }
    item.left = 0;
    item.top = 0;
    host_.setSimpleItemVisible(true);
    host_.refocusBarcodeEntry();
}

void PrintCommands::printPage() {
    failed_ = 0;
    pictures_.forget();
    host_.closePanels();
    const int kind = printerKind_;
    if (kind != 0 && kind != 1)
        return;
    QList<int> indexes;
    for (int index : ItemTable::pageIndexes())
        if (model_.items.exists(index))
            indexes.append(index);
    if (indexes.isEmpty())
        return;
    std::unique_ptr<Printer> printer = openPrinter();
    if (!printer)
        return;
    bool first = true;
    for (int index : indexes) {
        if (kind == 1 && !first)
            printer->newPage();
        first = false;
        printItem(index, *printer);
    }
    printer->endDocument();
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
