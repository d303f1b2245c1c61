#pragma once

#include <QList>
#include <QPointF>

namespace brevmark {

// Where the simple command puts each copy of item 0. On a page printer the copies run in rows
// from left to right, 20 twips apart, rows 20 twips apart, within the A4 portrait limits of 12000
// by 16700 twips whatever paper the screen shows; on a label printer each copy has a page.
class SimplePrintPlan {
public:
    static constexpr double gap = 20;
    static constexpr double rowLimit = 12000;
    static constexpr double pageLimit = 16700;

    struct Copy {
        QPointF topLeft; // the item's place on the page for this copy
        bool newPageBefore = false;
    };

    // Copies for a quantity given as the number in the print quantity box: below 1 none, 1 one,
    // above 1 the quantity rounded to a whole number. Printer kinds other than 0 and 1 print
    // nothing, except that a quantity of exactly 1 prints once whatever the kind. A new page is
    // asked for only before a copy that needs it, so no job ends with an empty page.
    static QList<Copy> plan(double quantity, QPointF start, double width, double height,
                            int printerKind);
};

} // namespace brevmark
