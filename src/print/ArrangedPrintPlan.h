#pragma once

#include "page/Arrangement.h"
#include "print/SimplePrintPlan.h"

#include <QList>
#include <QSizeF>
#include <cstdint>

namespace brevmark {

// Where copies of one item go when they follow the stored arrangement (`列印排列`) instead of the
// simple command's fixed flow: the rows pattern of the arrangement panel (mode 2, "依照 左右排列")
// over as many pages as needed. From the start point, copies run left to right the horizontal gap
// apart; a copy whose right edge plus 120 twips would pass the page width starts a new row the
// vertical gap below the row; a row whose bottom plus the vertical gap would pass the page height
// starts a new page at the start point. The first copy of a row and of a page always goes in, so a
// copy larger than the page still prints. On a label printer each copy has a page of its own;
// other printer kinds print nothing.
class ArrangedPrintPlan {
public:
    static constexpr double rightMargin = 120;

    static QList<SimplePrintPlan::Copy> plan(std::int64_t count, const ArrangementSettings& stored,
                                             QSizeF item, QSizeF page, int printerKind);
};

} // namespace brevmark
