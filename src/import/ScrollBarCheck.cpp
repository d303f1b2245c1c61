#include "import/ScrollBarCheck.h"

#include "common/Rounding.h"

namespace brevmark {

namespace {
// The grid's overhang, as a 16-bit number, and the bar's maximum for it.
int maximumFor(double grid, double viewport) {
    const int overhang = toInt16(grid - (viewport - 2000));
    return overhang > 0 ? int(roundHalfEvenToInt((overhang + 20) / ScrollBarCheck::step)) : 0;
}
} // namespace

ScrollBarCheck ScrollBarCheck::of(QSizeF grid, QSizeF viewport) {
    ScrollBarCheck check;
    if (grid.height() + headerHeight > viewport.height()) {
        check.verticalMaximum = maximumFor(grid.height(), viewport.height());
        check.verticalShown = true;
    }
    if (grid.width() > viewport.width()) {
        check.horizontalMaximum = maximumFor(grid.width(), viewport.width());
        check.horizontalShown = true;
    }
    return check;
}

} // namespace brevmark
