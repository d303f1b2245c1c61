#include "print/SimplePrintPlan.h"

#include "common/Rounding.h"

namespace brevmark {

QList<SimplePrintPlan::Copy> SimplePrintPlan::plan(double quantity, QPointF start, double width,
                                                   double height, int printerKind) {
    QList<Copy> copies;
    if (!(quantity > 1)) {
        if (quantity == 1)
            copies.append({start, false});
        return copies;
    }
    const std::int64_t count = roundHalfEvenToInt(quantity);
    if (printerKind == 0) {
        double left = start.x();
        double top = start.y();
        bool pageBreak = false;
        for (std::int64_t c = 0; c < count; ++c) {
            copies.append({{left, top}, pageBreak});
            pageBreak = false;
            if (left + width + gap + width >= rowLimit) {
                left = start.x();
                top = top + height + gap;
                if (top + height + gap + height > pageLimit) {
                    pageBreak = true;
                    left = start.x();
                    top = start.y();
                }
            } else {
                left = left + width + gap;
            }
        }
    } else if (printerKind == 1) {
        for (std::int64_t c = 0; c < count; ++c)
            copies.append({start, c > 0});
    }
    return copies;
}

} // namespace brevmark
