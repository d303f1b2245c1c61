#include "print/CalibrationSheets.h"

#include "common/Rounding.h"
#include "platform/MessageBoxes.h"
#include "print/PrintTexts.h"
#include "print/ResolutionLevels.h"

namespace brevmark {

namespace {

namespace levels = resolution_levels;

// One row of lines 2 × r apart, from the grid point nearest `start` up to 3500 twips.
void drawLineField(Printer& printer, Fixed4 r, double start, double y, double height) {
    Fixed4 x = r * roundHalfEvenToInt(start / r.toDouble());
    const Fixed4 end = Fixed4::fromRaw(3500 * 10000);
    while (x <= end) {
        x = x + r;
        const double at = x.toDouble();
        printer.drawLine({at, y}, {at, y + height}, Qt::black, 0);
        x = x + r;
    }
}

TextFont sheetFont(double points, bool bold) {
    TextFont font;
    font.pointSize = points;
    font.bold = bold;
    return font;
}

} // namespace

CalibrationSheets::CalibrationSheets(PrinterFactory printers, MessageBoxes& messages)
    : printers_(std::move(printers)), messages_(messages) {}

void CalibrationSheets::drawStandard(Printer& printer) {
    const TextFont font = sheetFont(10, true);
    double y = 150;
    for (int k = 1; k <= levels::standardCount; ++k) {
        const Fixed4 r = levels::standardValue(k);
        printer.drawText({0, y + 45}, levels::standardName(k), font, Qt::black);
        drawLineField(printer, r, 240, y, 300);
        const char* word = k == 1 ? "密集" : k == 5 ? "預設" : k == 9 ? "稀疏" : nullptr;
        if (word)
            printer.drawText({300, y + 45}, QString::fromUtf8(word), font, Qt::white);
        y += 350;
    }
}

void CalibrationSheets::drawAdvanced(Printer& printer) {
    const TextFont font = sheetFont(9, false);
    double y = 150;
    for (int k = 0; k <= levels::advancedLast; ++k) {
        const Fixed4 r = levels::advancedValue(k);
        printer.drawText({0, y + 15}, levels::advancedName(k), font, Qt::black);
        drawLineField(printer, r, 420, y, 200);
        y += 250;
        if (k == 60) {
            printer.drawText({0, y + 45}, QStringLiteral("找出距離最細小且最密集的編號"), font,
                             Qt::black);
            printer.newPage();
            y = 150;
        }
    }
    printer.drawText({0, y + 45}, QStringLiteral("最密集但不重疊為主【預設號B78】"), font,
                     Qt::black);
}

bool CalibrationSheets::print(const QString& question, void (*draw)(Printer&)) {
    const MessageAnswer answer = messages_.show(print_texts::printNoticeTitle(), question,
                                                MessageIcon::Warning, MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes)
        return false;
    std::unique_ptr<Printer> printer = printers_ ? printers_() : nullptr;
    if (!printer || !printer->isAvailable()) {
        messages_.warn(print_texts::noticeTitle(), print_texts::noPrinter());
        return false;
    }
    draw(*printer);
    printer->endDocument();
    return true;
}

bool CalibrationSheets::printStandard() {
    return print(print_texts::standardSheetQuestion(), &CalibrationSheets::drawStandard);
}

bool CalibrationSheets::printAdvanced() {
    return print(print_texts::advancedSheetQuestion(), &CalibrationSheets::drawAdvanced);
}

} // namespace brevmark
