#pragma once

#include "common/Fixed4.h"

namespace brevmark {

class Code39Symbol;
class DrawingSurface;
struct BarcodeAppearance;

// The printed width in twips of a symbol: cells × cell length × print resolution in four-decimal
// fixed point, times the bar width in floating point. The screen preview stops at this width.
double symbolWidthTwips(const Code39Symbol& symbol, Fixed4 printResolution, int barWidth);

// Draws one barcode item's bars and human-readable text on the item's own surface (twips from the
// item's top-left corner), after clearing it. An empty barcode text leaves the surface clear.
// A bar width of 0 is drawn as 2 and stored back into the item; nothing else is changed.
//
// The preview draws a module as one screen pixel (15 twips) at bar widths 1 and 2, and as
// bar-width lines 8 twips apart at 3 and above, and stops as soon as it reaches the printed width:
// a preview wider than the print loses its right end. Bar width 1 shows fixed placeholder
// stripes, not the code; only the print carries it.
void redrawBarcode(BarcodeAppearance& item, Fixed4 printResolution, DrawingSurface& surface);

} // namespace brevmark
