#pragma once

#include "page/PaperTable.h"

#include <QSizeF>
#include <optional>

namespace brevmark {

struct LabelTemplate;

// The label page's paper that a stock sheet is printed on: the page's papers are taken at their
// real sizes (A4 210 × 297 mm, A5 148 × 210 mm, US Letter 8.5 × 11 in) and a sheet fits one when
// its paper is that size within a millimetre, upright or turned.
struct SheetPaper {
    PaperSize paper = PaperSize::A4;
    bool landscape = false;

    // Nothing for a paper the page cannot take.
    static std::optional<SheetPaper> of(const LabelTemplate& sheet);
    static std::optional<SheetPaper> of(QSizeF paperTwips);
};

} // namespace brevmark
