#include "print/ArrangedPrintPlan.h"

namespace brevmark {

QList<SimplePrintPlan::Copy> ArrangedPrintPlan::plan(std::int64_t count,
                                                     const ArrangementSettings& stored, QSizeF item,
                                                     QSizeF page, int printerKind) {
    QList<SimplePrintPlan::Copy> copies;
    if (count <= 0 || (printerKind != 0 && printerKind != 1))
        return copies;
    const double x0 = ArrangementSettings::twipsOf(stored.startLeft);
    const double y0 = ArrangementSettings::twipsOf(stored.startTop);
    const double hgap = ArrangementSettings::twipsOf(stored.horizontalGap);
    const double vgap = ArrangementSettings::twipsOf(stored.verticalGap);
    copies.reserve(qsizetype(count));
    if (printerKind == 1) {
        for (std::int64_t c = 0; c < count; ++c)
            copies.append({QPointF(x0, y0), c > 0});
        return copies;
    }
    double x = x0;
    double y = y0;
    bool rowEmpty = true;
    bool pageEmpty = true;
    for (std::int64_t c = 0; c < count; ++c) {
        bool newPage = false;
        if (!rowEmpty && x + item.width() + rightMargin > page.width()) {
            x = x0;
            y += item.height() + vgap;
            rowEmpty = true;
        }
        if (rowEmpty && !pageEmpty && y + item.height() + vgap > page.height()) {
            x = x0;
            y = y0;
            newPage = true;
        }
        copies.append({QPointF(x, y), newPage});
        x += item.width() + hgap;
        rowEmpty = false;
        pageEmpty = false;
    }
    return copies;
}

} // namespace brevmark
