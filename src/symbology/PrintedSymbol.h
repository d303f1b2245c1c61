#pragma once

#include "common/Fixed4.h"
#include "platform/TextFont.h"
#include "symbology/Code39Symbol.h"

#include <QColor>
#include <QPointF>

namespace brevmark {

class DrawingSurface;
struct BarcodeAppearance;

// The human-readable line under a printed symbol.
struct HumanReadableLine {
    bool shown = true;
    int alignment = 0; // 0 each character at the left edge of its cell, 1 centred, else none
    TextFont font;
    QColor color = Qt::black;
};

// A Code 39 symbol in printed geometry: each module is `barWidth` lines one print resolution
// apart, so a module is barWidth × resolution twips and the symbol cells × cell length ×
// barWidth × resolution twips. Positions are four-decimal fixed point, so the lines stay on the
// resolution grid however long the symbol is.
//
// On a device whose dot is known, every module is a whole number of dots (barWidth × resolution
// rounded to whole dots, at least one) and the symbol starts on a dot: every narrow bar then
// covers the same dots, every wide bar the same, and the pattern and width ratio stay, while a
// rasteriser that inks every dot a shape touches cannot make one bar a dot wider than another.
// Each run of adjacent bar modules is one filled rectangle from dot edge to dot edge.
//
// Without a dot, each line is filled from its grid position as wide as one resolution step, so
// the lines of a module join into one solid bar b × r twips wide.
class PrintedSymbol {
public:
    // A bar width of 0 is printed as 2. `dotTwips` is the device's dot (0 when it has none).
    PrintedSymbol(Code39Symbol symbol, int barWidth, Fixed4 resolution, double dotTwips = 0);

    // x / resolution rounded to a whole number (halves to even), times resolution: where bars
    // may start. A resolution of 0 or less leaves x as it is.
    static Fixed4 snapToGrid(double twips, Fixed4 resolution);

    const Code39Symbol& symbol() const { return symbol_; }
    int barWidth() const { return barWidth_; }
    Fixed4 resolution() const { return resolution_; }
    Fixed4 moduleWidth() const { return resolution_ * barWidth_; }
    Fixed4 cellWidth() const { return moduleWidth() * symbol_.cellLength(); }
    // ((cells × cell length × resolution) × bar width), the symbol width W.
    Fixed4 width() const;
    // How wide each line is filled: the resolution, or the device dot when that is wider.
    double lineWidth() const;
    double dotTwips() const { return dotTwips_; }
    // Dots per module on the device: barWidth × resolution in dots, rounded (halves to even), at
    // least 1; 0 when the device has no dot.
    int moduleDots() const;
    // The module as printed: moduleDots dots, or barWidth × resolution twips without a dot.
    double printedModule() const;
    // Where the first module starts for a symbol placed at `left` (on the resolution grid): the
    // nearest dot, or `left` itself without a dot.
    double printedLeft(Fixed4 left) const;
    // All modules as printed.
    double printedWidth() const { return printedModule() * symbol_.moduleCount(); }

    // The bars alone, the first module's left line at (left, top), each line `height` long, as
    // filled rectangles (one per run of adjacent bar lines).
    void drawBars(DrawingSurface& surface, Fixed4 left, Fixed4 top, Fixed4 height) const;
    // Bars and human-readable text as a print lays them out: a centred text first, 30 twips left
    // of the middle, then per cell its character at the cell's left edge and its bars; the text
    // top is 45 twips below the bars.
    void draw(DrawingSurface& surface, Fixed4 left, Fixed4 top, Fixed4 height,
              const HumanReadableLine& line) const;

private:
    void drawCellBars(DrawingSurface& surface, int cell, Fixed4& x, double top,
                      double bottom) const;
    void drawCellDots(DrawingSurface& surface, int cell, double left, double top,
                      double bottom) const;

    Code39Symbol symbol_;
    int barWidth_;
    Fixed4 resolution_;
    double dotTwips_;
};

// The bars and text of one barcode item on a printed page, with the item's top-left corner at
// `printOrigin` (twips from the page's top-left): the symbol starts at the item's symbol left and
// top snapped to the resolution grid, its modules whole dots of `dotTwips` (the printer's dot). A
// bar width of 0 is stored back as 2. An empty barcode text draws nothing. Background, border,
// labels and pictures are the print job's.
void printBarcodeSymbol(BarcodeAppearance& item, QPointF printOrigin, Fixed4 resolution,
                        double dotTwips, DrawingSurface& surface);

} // namespace brevmark
