#include "page/PaletteModel.h"

namespace brevmark {

namespace {
constexpr double gridLeft = 90;
constexpr double gridTop = 360;
constexpr double cellWidth = 277.5;
constexpr double cellHeight = 277.5;
constexpr double gap = 45;
} // namespace

QRectF PaletteModel::cellRect(int row, int column) {
    return {gridLeft + column * cellWidth + gap / 2, gridTop + row * cellHeight + gap / 2,
            cellWidth - gap, cellHeight - gap};
}

QColor PaletteModel::colour(int row, int column) {
    if (row == 0) {
        // white to black, label-friendly greys first
        const int v = 255 - column * 255 / (columns - 1);
        return QColor(v, v, v);
    }
    // rows of pastel, light, vivid and deep tones over eight hues
    static const int hues[columns] = {0, 30, 55, 100, 165, 200, 230, 290};
    static const int saturation[rows] = {0, 60, 120, 200, 220};
    static const int value[rows] = {0, 255, 250, 235, 160};
    return QColor::fromHsv(hues[column], saturation[row], value[row]);
}

std::optional<QColor> PaletteModel::colourAt(QPointF at) {
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            if (cellRect(row, column).contains(at))
                return colour(row, column);
    return std::nullopt;
}

} // namespace brevmark
