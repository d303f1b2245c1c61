#pragma once

#include <QPointF>
#include <cstdint>

namespace brevmark {

// The pointer state that the page, the barcode items and their symbol handles share: where the
// last press happened (in the pressed element's coordinates) and whether a press is held.
struct PointerState {
    float pressX = 0;
    float pressY = 0;
    std::int16_t held = 0; // -1 from a press until the next release

    void press(QPointF at) {
        pressX = float(at.x());
        pressY = float(at.y());
        held = -1;
    }
    void release() { held = 0; }
    // A drag acts only while the left button is down and a press is held.
    bool drags(bool leftButtonDown) const { return leftButtonDown && held == -1; }
};

} // namespace brevmark
