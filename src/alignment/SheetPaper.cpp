#include "alignment/SheetPaper.h"

#include "alignment/LabelTemplate.h"
#include "common/Twips.h"

#include <cmath>

namespace brevmark {

namespace {
constexpr double millimetre = twips::perInch / 25.4;

bool near(QSizeF a, QSizeF b) {
    return std::abs(a.width() - b.width()) <= millimetre &&
           std::abs(a.height() - b.height()) <= millimetre;
}
} // namespace

std::optional<SheetPaper> SheetPaper::of(const LabelTemplate& sheet) {
    return of(sheet.paper);
}

std::optional<SheetPaper> SheetPaper::of(QSizeF paper) {
    const struct {
        PaperSize paper;
        QSizeF real;
    } papers[] = {
        {PaperSize::A4, QSizeF(210 * millimetre, 297 * millimetre)},
        {PaperSize::A5, QSizeF(148 * millimetre, 210 * millimetre)},
        {PaperSize::Letter, QSizeF(8.5 * twips::perInch, 11 * twips::perInch)},
    };
    for (const auto& p : papers) {
        if (near(paper, p.real))
            return SheetPaper{p.paper, false};
        if (near(paper, p.real.transposed()))
            return SheetPaper{p.paper, true};
    }
    return std::nullopt;
}

} // namespace brevmark
