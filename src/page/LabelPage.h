#pragma once

#include "page/LayoutMode.h"
#include "page/PaperTable.h"
#include "page/PointerState.h"

#include <cstdint>

namespace brevmark {

// The label page: the sheet of paper the user composes, its paper size and orientation, its size
// and its position inside the page viewport, all in twips. Paper size and orientation last only
// for the run.
class LabelPage {
public:
    PaperSize paperSize = PaperSize::A4;
    std::int16_t orientation = 0; // 0 portrait, -1 landscape
    float width = 12000;
    float height = 16700;
    float left = 0;
    float top = 0;
    LayoutMode layoutMode = LayoutMode::None; // several gestures act in one layout only

    bool landscape() const { return orientation != 0; }
    bool isSimpleLayout() const { return layoutMode == LayoutMode::Simple; }
    bool isProfessionalLayout() const { return layoutMode == LayoutMode::Professional; }

    // Orientation index 0 is portrait, any other landscape.
    void setOrientationIndex(int index) { orientation = index == 0 ? 0 : -1; }
    // Size from the paper table, then placement: 240 from the viewport's edge when the page is at
    // least as large as the viewport in that direction, else centred.
    void adjust(QSizeF viewport);
    // One pointer move over the page while a drag may act: the page follows the pointer once it
    // is more than 60 twips from the press point. True when the page moved.
    bool pan(const PointerState& pointer, QPointF at);
    // The page position a viewport scroll bar value gives: 300 − 360 × value, a 16-bit product.
    static float scrolledPosition(int value);
};

} // namespace brevmark
