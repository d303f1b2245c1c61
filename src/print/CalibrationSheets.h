#pragma once

#include "print/PrinterFactory.h"

namespace brevmark {

class MessageBoxes;

// The test sheets the user chooses a print resolution from: rows of lines two resolutions apart,
// one row per level, so that the row whose lines print as the densest even stripes names the
// printer's dot pitch. Each print asks first; only Yes prints.
class CalibrationSheets {
public:
    CalibrationSheets(PrinterFactory printers, MessageBoxes& messages);

    // The standard sheet, rows A1 to A9; true when it was printed.
    bool printStandard();
    // The advanced sheets, rows B0 to B60 on the first page and B61 to B120 on the second.
    bool printAdvanced();

    static void drawStandard(Printer& printer);
    static void drawAdvanced(Printer& printer);

private:
    bool print(const QString& question, void (*draw)(Printer&));

    PrinterFactory printers_;
    MessageBoxes& messages_;
};

} // namespace brevmark
