#include "import/RowRange.h"

#include "common/Rounding.h"

#include <algorithm>

namespace brevmark {

int RowRange::guideRowCount() const {
    return int(roundHalfEvenToInt(guideY() / rowHeight));
}

void RowRange::press(double y) {
    pressY_ = y;
}

bool RowRange::drag(double y) {
    if (y > pressY_ + rowHeight && guideRowCount() < maxDraggedRows) {
        handleTop_ += rowHeight;
        return true;
    }
    if (y < pressY_ - rowHeight && handleTop_ - rowHeight >= firstHandleTop) {
        handleTop_ -= rowHeight;
        return true;
    }
    return false;
}

RowRange::Change RowRange::apply() {
    const int first = guideRowCount() - 1;
    Change change{last_, last_};
    last_ = std::clamp(first, 0, maxLast);
    change.newLast = last_;
    return change;
}

RowRange::Change RowRange::setRange(int rows) {
    handleTop_ = firstHandleTop + rowHeight * (std::clamp(rows, 1, maxLast + 1) - 1);
    return apply();
}

} // namespace brevmark
