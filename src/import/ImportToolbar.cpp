#include "import/ImportToolbar.h"

namespace brevmark::import_toolbar {

namespace {
constexpr double lefts[buttonCount] = {2280, 4710};
constexpr double rights[buttonCount] = {4695, 5805};
} // namespace

Button at(QPointF p) {
    if (!(p.y() > bandTop && p.y() < bandBottom))
        return None;
    for (int b = 0; b < buttonCount; ++b)
        if (p.x() > lefts[b] && p.x() < rights[b])
            return Button(b);
    return None;
}

QRectF band(Button button) {
    if (button == None)
        return {};
    return QRectF(lefts[button], bandTop, rights[button] - lefts[button], bandBottom - bandTop);
}

} // namespace brevmark::import_toolbar
