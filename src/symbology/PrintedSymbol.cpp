#include "symbology/PrintedSymbol.h"

#include "platform/DrawingSurface.h"
#include "symbology/BarcodeAppearance.h"
#include "symbology/BarcodeTextFont.h"

#include "common/Rounding.h"

#include <algorithm>
#include <cmath>

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

PrintedSymbol::PrintedSymbol(Code39Symbol symbol, int barWidth, Fixed4 resolution, double dotTwips)
    : symbol_(std::move(symbol)), barWidth_(barWidth == 0 ? 2 : barWidth), resolution_(resolution),
      dotTwips_(dotTwips) {}

Fixed4 PrintedSymbol::snapToGrid(double twips, Fixed4 resolution) {
    const Fixed4 x = Fixed4::fromDouble(twips);
    if (resolution.raw() <= 0)
        return x;
    return resolution * divideHalfEven(x.raw(), resolution.raw());
}

Fixed4 PrintedSymbol::width() const {
    return resolution_ * (std::int64_t(symbol_.cellCount()) * symbol_.cellLength()) * barWidth_;
}

double PrintedSymbol::lineWidth() const {
    return std::max(resolution_.toDouble(), dotTwips_);
}

int PrintedSymbol::moduleDots() const {
    if (dotTwips_ <= 0)
        return 0;
    // Six decimals first, so that a module of exactly half a dot more (21.6 twips on 4.8-twip
    // dots) is a half, not a hair above it.
    const double dots = std::round((resolution_ * barWidth_).toDouble() / dotTwips_ * 1e6) / 1e6;
    return std::max<int>(1, int(roundHalfEvenToInt(dots)));
}

double PrintedSymbol::printedModule() const {
    if (dotTwips_ <= 0)
        return moduleWidth().toDouble();
    return moduleDots() * dotTwips_;
}

double PrintedSymbol::printedLeft(Fixed4 left) const {
    if (dotTwips_ <= 0)
        return left.toDouble();
    const double dots = std::round(left.toDouble() / dotTwips_ * 1e6) / 1e6;
    return double(roundHalfEvenToInt(dots)) * dotTwips_;
}

void PrintedSymbol::drawCellDots(DrawingSurface& surface, int cell, double left, double top,
                                 double bottom) const {
    const QColor black(Qt::black);
    const int cellLength = symbol_.cellLength();
    const int first = cell * cellLength;
    const int dots = moduleDots();
    // Edges are counted in whole dots from the symbol's first dot, so no rounding accumulates.
    auto edge = [&](int module) { return left + double(module) * dots * dotTwips_; };
    int runStart = -1;
    for (int i = 0; i <= cellLength; ++i) {
        const bool bar = i < cellLength && symbol_.isBar(first + i);
        if (bar && runStart < 0)
            runStart = first + i;
        if (!bar && runStart >= 0) {
            surface.fillRect(QRectF(QPointF(edge(runStart), top), QPointF(edge(first + i), bottom)),
                             black);
            runStart = -1;
        }
    }
}

void PrintedSymbol::drawCellBars(DrawingSurface& surface, int cell, Fixed4& x, double top,
                                 double bottom) const {
    const QColor black(Qt::black);
    const double filled = lineWidth();
    const int cellLength = symbol_.cellLength();
    const int first = cell * cellLength;
    // A run ends at the latest with its cell, so that the next cell's spread character is still
    // drawn before that cell's bars (cells end with their separating space, so no bar is split).
    Fixed4 runStart;
    bool inRun = false;
    auto endRun = [&](Fixed4 end) {
        if (!inRun)
            return;
        const double left = runStart.toDouble();
        const double right = (end - resolution_).toDouble() + filled;
        surface.fillRect(QRectF(QPointF(left, top), QPointF(right, bottom)), black);
        inRun = false;
    };
    for (int i = 0; i < cellLength; ++i) {
        if (symbol_.isBar(first + i)) {
            if (!inRun) {
                runStart = x;
                inRun = true;
            }
        } else {
            endRun(x);
        }
        x = x + resolution_ * barWidth_;
    }
    endRun(x);
}

void PrintedSymbol::drawBars(DrawingSurface& surface, Fixed4 left, Fixed4 top,
                             Fixed4 height) const {
    const double y1 = top.toDouble();
    const double y2 = (top + height).toDouble();
    if (dotTwips_ > 0) {
        for (int j = 0; j < symbol_.cellCount(); ++j)
            drawCellDots(surface, j, printedLeft(left), y1, y2);
        return;
    }
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
    const bool onDots = dotTwips_ > 0;
    const double start = printedLeft(left);
    if (line.shown && line.alignment == 1) {
        const double middle = onDots ? start + printedWidth() / 2
                                     : left.toDouble() + width().toDouble() / 2;
        const double x = middle - surface.textWidth(text, line.font) / 2 - centredTextShift;
        surface.drawText({x, textTop}, text, line.font, line.color);
    }
    const bool spread = line.shown && line.alignment == 0;
    if (onDots) {
        const double cell = printedModule() * symbol_.cellLength();
        for (int j = 0; j < symbol_.cellCount(); ++j) {
            if (spread && j >= 1 && j <= text.size())
                surface.drawText({start + j * cell, textTop}, text.mid(j - 1, 1), line.font,
                                 line.color);
            drawCellDots(surface, j, start, y1, y2);
        }
        return;
    }
    Fixed4 x = left;
    for (int j = 0; j < symbol_.cellCount(); ++j) {
        if (spread && j >= 1 && j <= text.size())
            surface.drawText({x.toDouble(), textTop}, text.mid(j - 1, 1), line.font, line.color);
        drawCellBars(surface, j, x, y1, y2);
    }
}

void printBarcodeSymbol(BarcodeAppearance& item, QPointF printOrigin, Fixed4 resolution,
                        double dotTwips, DrawingSurface& surface) {
    const Fixed4 left = PrintedSymbol::snapToGrid(printOrigin.x() + item.symbolLeft, resolution);
    const Fixed4 top = PrintedSymbol::snapToGrid(printOrigin.y() + item.symbolTop, resolution);
    const Fixed4 height = Fixed4::fromText(item.barHeight);
    if (item.barWidth == 0)
        item.barWidth = 2;
    if (item.text.isEmpty())
        return;
    const PrintedSymbol symbol(Code39Symbol::assemble(item.text, item.widthRatio), item.barWidth,
                               resolution, dotTwips);
    HumanReadableLine line;
    line.shown = item.showText == 1;
    line.alignment = item.textAlignment;
    line.font = barcodeTextFont(item);
    symbol.draw(surface, left, top, height, line);
}

} // namespace brevmark
