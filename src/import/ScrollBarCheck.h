#pragma once

#include <QSizeF>

namespace brevmark {

// `捲軸使用分析` (scroll bar check): whether the grid viewport needs its scroll bars `捲軸上下`
// and `捲軸左右`, and how far they go. One step of either bar moves the grid 240 twips; the
// header strip stays at the top, so the captions stay in view, and follows the grid sideways.
struct ScrollBarCheck {
    static constexpr double step = 240;
    // The header strip above the grid area.
    static constexpr double headerHeight = 300;

    bool verticalShown = false;
    int verticalMaximum = 0;
    bool horizontalShown = false;
    int horizontalMaximum = 0;

    static ScrollBarCheck of(QSizeF grid, QSizeF viewport);
    // Where the grid area's top stands at vertical value v, and its left (and the strip's) at
    // horizontal value h.
    static double gridTop(int v) { return headerHeight - step * v; }
    static double gridLeft(int h) { return -step * h; }
};

} // namespace brevmark
