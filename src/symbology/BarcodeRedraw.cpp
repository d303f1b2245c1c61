#include "symbology/BarcodeRedraw.h"

#include "common/LeadingNumber.h"
#include "common/Rounding.h"
#include "platform/DrawingSurface.h"
#include "symbology/BarcodeTextFont.h"
#include "symbology/Code39Symbol.h"

#include <QColor>

namespace brevmark {

namespace {
// One screen pixel per module at bar widths 1 and 2; 8 twips per line at 3 and more.
constexpr int pixelStep = 15;
constexpr int lineStep = 8;
// Gap between the bars' lower end and the human-readable text.
constexpr double textGap = 45;
// What bar width 1 shows instead of the character patterns.
constexpr char placeholderStripes[] = "1011010101010101";
constexpr int placeholderLength = int(sizeof placeholderStripes) - 1;

enum TextAlignment { Spread = 0, Centred = 1 };
} // namespace

double symbolWidthTwips(const Code39Symbol& symbol, Fixed4 printResolution, int barWidth) {
    const std::int64_t modules = std::int64_t(symbol.cellCount()) * symbol.cellLength();
    return (printResolution * modules).toDouble() * barWidth;
}

void redrawBarcode(BarcodeAppearance& item, Fixed4 printResolution, DrawingSurface& surface) {
    surface.clear();
    if (item.text.isEmpty())
        return;

    const Code39Symbol symbol = Code39Symbol::assemble(item.text, item.widthRatio);
    const int cellLength = symbol.cellLength();
    const double x0 = roundHalfEven(item.symbolLeft);
    const double y0 = roundHalfEven(item.symbolTop);
    const double h = roundHalfEven(leadingNumber(item.barHeight));
    if (item.barWidth == 0)
        item.barWidth = 2;
    const int barWidth = item.barWidth;
    const int cells = int(item.text.size()) + 2;
    const double width = symbolWidthTwips(symbol, printResolution, barWidth);

    if (item.showText == 1) {
        const TextFont font = barcodeTextFont(item);
        const QColor textColor(Qt::black); // the surface's window-text colour
        const double textTop = y0 + h + textGap;
        if (item.textAlignment == Spread) {
            // Each character at the left edge of its cell; nothing under start and stop.
            const double cellStep = roundHalfEven(width / cells);
            double x = x0;
            for (int j = 0; j < cells; ++j) {
                if (j >= 1 && j <= cells - 2)
                    surface.drawText({x, textTop}, item.text.mid(j - 1, 1), font, textColor);
                x += cellStep;
            }
        } else if (item.textAlignment == Centred) {
            const double x = x0 + width / 2 - surface.textWidth(item.text, font) / 2;
            surface.drawText({x, textTop}, item.text, font, textColor);
        }
    }

    // Bars after the text, so a bar may cover a character where they meet.
    const QColor barColor(Qt::black);
    int d = 0;
    auto bar = [&](bool isBar) {
        if (isBar)
            surface.drawLine({x0 + d, y0}, {x0 + d, y0 + h}, barColor, 0);
    };
    for (int j = 0; j < cells; ++j) {
        for (int i = 0; i < cellLength; ++i) {
            if (barWidth == 1) {
                bar(i < placeholderLength && placeholderStripes[i] == '1');
                d += pixelStep;
            } else if (barWidth == 2) {
                bar(symbol.isBar(j, i));
                d += pixelStep;
            } else {
                for (int k = 0; k < barWidth; ++k) {
                    bar(symbol.isBar(j, i));
                    d += lineStep;
                }
            }
            if (d >= width)
                return;
        }
    }
}

} // namespace brevmark
