#include "platform/PrinterDot.h"

#include <algorithm>

namespace brevmark {

int PrinterDot::resolution(const QList<int>& supported) {
    if (supported.isEmpty())
        return preferred;
    int best = 0;
    for (int dpi : supported)
        if (dpi >= preferred && (best == 0 || dpi < best))
            best = dpi;
    if (best == 0)
        best = *std::max_element(supported.begin(), supported.end());
    return best;
}

} // namespace brevmark
