#include "symbology/PrintedSymbol.h"

#include "platform/DrawingSurface.h"
#include "symbology/BarcodeAppearance.h"
#include "symbology/BarcodeTextFont.h"

namespace brevmark {

namespace {
constexpr double textGap = 45;
// The centred text sits this far left of the symbol's middle on paper.
constexpr double centredTextShift = 30;

// a / b rounded to the nearest whole number, halves to even (b > 0).
std::int64_t divideHalfEven(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    std::int64_t r = a % b;
    if (r < 0) {
        r += b;
        --q;
    }
    if (2 * r > b || (2 * r == b && q % 2 != 0))
        ++q;
    return q;
}
} // namespace

PrintedSymbol::PrintedSymbol(Code39Symbol symbol, int barWidth, Fixed4 resolution)
    : symbol_(std::move(symbol)), barWidth_(barWidth == 0 ? 2 : barWidth), resolution_(resolution) {
}

Fixed4 PrintedSymbol::snapToGrid(double twips, Fixed4 resolution) {
    const Fixed4 x = Fixed4::fromDouble(twips);
    if (resolution.raw() <= 0)
        return x;
    return resolution * divideHalfEven(x.raw(), resolution.raw());
}

Fixed4 PrintedSymbol::width() const {
    return resolution_ * (std::int64_t(symbol_.cellCount()) * symbol_.cellLength()) * barWidth_;
}

void PrintedSymbol::drawCellBars(DrawingSurface& surface, int cell, Fixed4& x, double top,
                                 double bottom) const {
    const QColor black(Qt::black);
    const int cellLength = symbol_.cellLength();
    const int first = cell * cellLength;
    for (int i = 0; i < cellLength; ++i) {
        const bool isBar = symbol_.isBar(first + i);
        for (int k = 0; k < barWidth_; ++k) {
            if (isBar) {
                const double at = x.toDouble();
                surface.drawLine({at, top}, {at, bottom}, black, 0);
            }
            x = x + resolution_;
        }
    }
}

void PrintedSymbol::drawBars(DrawingSurface& surface, Fixed4 left, Fixed4 top,
                             Fixed4 height) const {
    const double y1 = top.toDouble();
    const double y2 = (top + height).toDouble();
    Fixed4 x = left;
    for (int j = 0; j < symbol_.cellCount(); ++j)
        drawCellBars(surface, j, x, y1, y2);
}

void PrintedSymbol::draw(DrawingSurface& surface, Fixed4 left, Fixed4 top, Fixed4 height,
                         const HumanReadableLine& line) const {
    const QString& text = symbol_.text();
    const double y1 = top.toDouble();
    const double y2 = (top + height).toDouble();
    const double textTop = y2 + textGap;
    if (line.shown && line.alignment == 1) {
        const double x = left.toDouble() + width().toDouble() / 2 -
                         surface.textWidth(text, line.font) / 2 - centredTextShift;
        surface.drawText({x, textTop}, text, line.font, line.color);
    }
    const bool spread = line.shown && line.alignment == 0;
    Fixed4 x = left;
    for (int j = 0; j < symbol_.cellCount(); ++j) {
        if (spread && j >= 1 && j <= text.size())
            surface.drawText({x.toDouble(), textTop}, text.mid(j - 1, 1), line.font, line.color);
        drawCellBars(surface, j, x, y1, y2);
    }
}

void printBarcodeSymbol(BarcodeAppearance& item, QPointF printOrigin, Fixed4 resolution,
                        DrawingSurface& surface) {
    const Fixed4 left = PrintedSymbol::snapToGrid(printOrigin.x() + item.symbolLeft, resolution);
    const Fixed4 top = PrintedSymbol::snapToGrid(printOrigin.y() + item.symbolTop, resolution);
    const Fixed4 height = Fixed4::fromText(item.barHeight);
    if (item.barWidth == 0)
        item.barWidth = 2;
    if (item.text.isEmpty())
        return;
    const PrintedSymbol symbol(Code39Symbol::assemble(item.text, item.widthRatio), item.barWidth,
                               resolution);
    HumanReadableLine line;
    line.shown = item.showText == 1;
    line.alignment = item.textAlignment;
    line.font = barcodeTextFont(item);
    symbol.draw(surface, left, top, height, line);
}

} // namespace brevmark
