#include "page/CopyPlacement.h"

namespace brevmark {

CopyPlacement::Result CopyPlacement::run(QPointF origin, const std::function<int()>& copyCount,
                                         const MakeCopy& makeCopy, double pageWidth,
                                         double pageHeight) {
    Result result;
    double offX = 0;
    double offY = 0;
    int k = 1;
    for (;;) {
        const QPointF at(origin.x() + offX, origin.y() + offY);
        const std::optional<QSizeF> size = makeCopy(at);
        if (!size) {
            result.stop = Stop::NoFreeIndex;
            return result;
        }
        ++result.made;
        if (copyCount() <= k) {
            result.stop = Stop::CountReached;
            return result;
        }
        ++k;
        offY += size->height() + 60;
        if (at.y() + 2 * size->height() <= pageHeight)
            continue;
        offY = 0;
        offX += size->width() + 60;
        if (at.x() + size->width() <= pageWidth)
            continue;
        result.stop = Stop::Overflow;
        return result;
    }
}

} // namespace brevmark
