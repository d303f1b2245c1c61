#pragma once

#include "platform/TextFont.h"

#include <QString>

namespace brevmark {

class DrawingSurface;

// The record manager's picture of a barcode: the Code 39 symbol of the text in a width ratio,
// every module drawn as `thickness` vertical lines 15 twips apart, with its own module width and
// no print resolution. The picture starts 150 twips in; with the text switch on the characters
// stand under their cells (nothing under the start and stop characters).
class BarcodePreview {
public:
    static constexpr double margin = 150;
    static constexpr double lineStep = 15;
    // Thickness choices 1 to 5 and their captions.
    static constexpr int thinnest = 1;
    static constexpr int thickest = 5;
    static QString thicknessCaption(int thickness);

    // 15 × L × (n + 2) × thickness + 270, where L is the cell length of the width ratio and n the
    // length of the text.
    static double widthTwips(const QString& text, int widthRatio, int thickness);
    // The bottom of the bars in a picture of that height.
    static double barBottom(double heightTwips, bool showText);
    // Clears the surface and draws the picture of the (upper-case) text on it.
    static void draw(DrawingSurface& surface, const QString& text, int widthRatio, int thickness,
                     bool showText, double heightTwips, const TextFont& font);
};

} // namespace brevmark
