#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <optional>

namespace brevmark {

// The colour palette `色彩選項`: a title strip whose top-right corner closes it, above a grid of
// colour cells; everything in twips of the palette.
class PaletteModel {
public:
    static constexpr int columns = 8;
    static constexpr int rows = 5;

    static QSizeF size() { return {2400, 1800}; }
    // A click here closes the palette (x above 2200 and y below 300).
    static bool isCloseCorner(QPointF at) { return at.x() > 2200 && at.y() < 300; }
    static QRectF cellRect(int row, int column);
    static QColor colour(int row, int column);
    // The colour of the cell under a point; nothing between or outside the cells.
    static std::optional<QColor> colourAt(QPointF at);
};

} // namespace brevmark
