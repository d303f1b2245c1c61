#include "page/ContextMenuBands.h"

namespace brevmark {

int ContextMenuBands::at(double y, bool professional) {
    for (int band = count - 1; band >= 0; --band) {
        if (band == 2 && !professional)
            continue;
        if (y > top(band) && y < bottom(band))
            return band;
    }
    return -1;
}

} // namespace brevmark
