#include "print/CalibrationSheets.h"

#include "common/Rounding.h"
#include "platform/Printer.h"
#include "print/ResolutionLevels.h"

#include <algorithm>

namespace brevmark {

namespace {

namespace levels = resolution_levels;

// One row of lines 2 × r apart, from the grid point nearest `start` up to 3500 twips, counted
// from `left`.
void drawLineField(Printer& printer, Fixed4 r, double left, double start, double y,
                   double height) {
    Fixed4 x = r * roundHalfEvenToInt(start / r.toDouble());
    const Fixed4 end = Fixed4::fromRaw(3500 * 10000);
    while (x <= end) {
        x = x + r;
        const double at = left + x.toDouble();
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

// How far the sheet keeps from a margin the printer cannot ink: where that margin ends varies by a
// dot or two from printer to printer, and a name touching it may lose its first stroke.
constexpr double marginClearance = 60;

// Where the sheet starts on the paper: the corner of the printable area, a little inside it where
// the printer keeps a margin.
QPointF sheetCorner(const Printer& printer) {
    const QRectF printable = printer.printableArea();
    if (!printable.isValid())
        return QPointF(0, 0);
    return QPointF(printable.left() > 0 ? printable.left() + marginClearance : 0,
                   printable.top() > 0 ? printable.top() + marginClearance : 0);
}

// The room left below the sheet's corner; unbounded when the printer does not tell.
double roomBelow(const Printer& printer) {
    const QRectF printable = printer.printableArea();
    return printable.isValid() ? printable.bottom() - sheetCorner(printer).y() : 1e9;
}

} // namespace

CalibrationSheets::CalibrationSheets(PrinterFactory printers) : printers_(std::move(printers)) {}

void CalibrationSheets::drawStandard(Printer& printer) {
    const TextFont font = sheetFont(10, true);
    const QPointF at = sheetCorner(printer);
    double y = at.y() + 150;
    for (int k = 1; k <= levels::standardCount; ++k) {
        const Fixed4 r = levels::standardValue(k);
        printer.drawText({at.x(), y + 45}, levels::standardName(k), font, Qt::black);
        drawLineField(printer, r, at.x(), 240, y, 300);
        const char* word = k == 1 ? "密集" : k == 5 ? "預設" : k == 9 ? "稀疏" : nullptr;
        if (word)
            printer.drawText({at.x() + 300, y + 45}, QString::fromUtf8(word), font, Qt::white);
        y += 350;
    }
}

void CalibrationSheets::drawAdvanced(Printer& printer) {
    const TextFont font = sheetFont(9, false);
    const QPointF at = sheetCorner(printer);
    // A page holds 61 rows, the note under them and room for its text; rows 250 twips apart
    // when the printable area allows, closer otherwise, each row's lines 4/5 of the pitch.
    constexpr int rowsOnFirstPage = 61;
    const double noteRoom = 150 + 45 + 2 * printer.textHeight(font);
    const double pitch = std::clamp((roomBelow(printer) - noteRoom) / rowsOnFirstPage, 60.0, 250.0);
    const double height = pitch * 0.8;
    const double nameDrop = pitch * 0.06;
    double y = at.y() + 150;
    for (int k = 0; k <= levels::advancedLast; ++k) {
        const Fixed4 r = levels::advancedValue(k);
        printer.drawText({at.x(), y + nameDrop}, levels::advancedName(k), font, Qt::black);
        drawLineField(printer, r, at.x(), 420, y, height);
        y += pitch;
        if (k == 60) {
            printer.drawText({at.x(), y + 45}, QStringLiteral("找出距離最細小且最密集的編號"), font,
                             Qt::black);
            printer.newPage();
            y = at.y() + 150;
        }
    }
    printer.drawText({at.x(), y + 45}, QStringLiteral("最密集但不重疊為主【預設號B78】"), font,
                     Qt::black);
}

CalibrationSheets::Outcome CalibrationSheets::print(void (*draw)(Printer&)) {
    std::unique_ptr<Printer> printer = printers_ ? printers_() : nullptr;
    if (!printer || !printer->isAvailable())
        return Outcome::NoPrinter;
    draw(*printer);
    printer->endDocument();
    return Outcome::Printed;
}

CalibrationSheets::Outcome CalibrationSheets::printStandard() {
    return print(&CalibrationSheets::drawStandard);
}

CalibrationSheets::Outcome CalibrationSheets::printAdvanced() {
    return print(&CalibrationSheets::drawAdvanced);
}

} // namespace brevmark
