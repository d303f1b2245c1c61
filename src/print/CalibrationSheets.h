#pragma once

#include "print/PrinterFactory.h"

namespace brevmark {

// The test sheets the user chooses a print resolution from: rows of lines two resolutions apart,
// one row per level, so that the row whose lines print as the densest even stripes names the
// printer's dot pitch. The window asks before each print (print_texts::standardSheetQuestion and
// advancedSheetQuestion); only Yes prints.
//
// Every row, its name and the notes stand inside the part of the paper the printer can ink: the
// sheet starts just inside the printable area's corner, and rows are put closer together when the
// page would not hold them otherwise (the spacing of the lines, which is what is measured, stays).
class CalibrationSheets {
public:
    enum class Outcome { Printed, NoPrinter };

    explicit CalibrationSheets(PrinterFactory printers);

    // The standard sheet, rows A1 to A9.
    Outcome printStandard();
    // The advanced sheets, rows B0 to B60 on the first page and B61 to B120 on the second.
    Outcome printAdvanced();

    static void drawStandard(Printer& printer);
    static void drawAdvanced(Printer& printer);

private:
    Outcome print(void (*draw)(Printer&));

    PrinterFactory printers_;
};

} // namespace brevmark
