#pragma once

#include "page/LayoutMode.h"

#include <QRectF>
#include <QSizeF>
#include <array>

namespace brevmark {

// Where the nine frame pieces, the page viewport, the hint line and the caption-button group of
// the main window lie, in twips of the window's client area, for one window size and layout mode.
struct FrameLayout {
    // Natural sizes of the frame pieces 0 to 8 (the size of their pictures).
    static const std::array<QSizeF, 9>& pieceSizes();
    // Caption-button group: three buttons of this size side by side; the simple layout shows two.
    static constexpr double captionButtonWidth = 390;
    static constexpr double captionButtonHeight = 360;
    static constexpr double captionGroupTop = 60;

    std::array<QRectF, 9> pieces;
    QRectF viewport;
    QRectF hint;
    QRectF hintShadow;
    QRectF captionGroup;
    double closeButtonLeft = 0; // inside the group
    bool maximiseButtonShown = false;

    // A layout mode that is neither layout leaves the caption group as it was (pass the previous
    // layout to keep it).
    static FrameLayout compute(QSizeF window, LayoutMode layoutMode,
                               const FrameLayout* previous = nullptr);
};

} // namespace brevmark
