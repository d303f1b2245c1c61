// Where "fill the sheet" puts its copies, and which papers of the label page a sheet fits.
#include "alignment/SheetFill.h"
#include "alignment/LabelTemplate.h"
#include "alignment/SheetPaper.h"

#include <gtest/gtest.h>

namespace brevmark {
namespace {

constexpr double mm = 1440 / 25.4;

// 2 × 2 labels of 60 × 30 mm, 5 mm apart, with a 2 mm markup margin.
LabelTemplate sheet(LabelTemplate::Shape shape = LabelTemplate::Shape::Rectangle) {
    LabelTemplate t;
    t.shape = shape;
    t.labelSize = QSizeF(60 * mm, 30 * mm);
    t.markupMargin = 2 * mm;
    t.layouts = {{2, 2, 10 * mm, 20 * mm, 65 * mm, 35 * mm}};
    return t;
}

struct FillCase {
    const char* name;
    QSizeF item;
    QPointF shift;
    QSizeF expectedSize;
};

void PrintTo(const FillCase& c, std::ostream* os) {
    *os << c.name;
}

class Fill : public ::testing::TestWithParam<FillCase> {};

TEST_P(Fill, OneCopyPerLabelAtItsCornerPlusTheMarginNoLargerThanTheRoom) {
    const FillCase& c = GetParam();
    const QList<QRectF> boxes = SheetFill::boxes(sheet(), c.shift, c.item);
    ASSERT_EQ(boxes.size(), 4);
    const QList<QPointF> corners{
        {12 * mm, 22 * mm}, {77 * mm, 22 * mm}, {12 * mm, 57 * mm}, {77 * mm, 57 * mm}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(boxes[i].left(), corners[i].x() + c.shift.x(), 1e-6) << i;
        EXPECT_NEAR(boxes[i].top(), corners[i].y() + c.shift.y(), 1e-6) << i;
        EXPECT_NEAR(boxes[i].width(), c.expectedSize.width(), 1e-6) << i;
        EXPECT_NEAR(boxes[i].height(), c.expectedSize.height(), 1e-6) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Items, Fill,
    ::testing::Values(FillCase{"SmallerKeepsItsSize", {1800, 900}, {}, {1800, 900}},
                      FillCase{"WiderIsCut", {3600, 900}, {}, {56 * mm, 900}},
                      FillCase{"LargerBothWays", {9000, 9000}, {}, {56 * mm, 26 * mm}},
                      FillCase{"MovedGuideMovesTheCopies", {1800, 900}, {-60, 120}, {1800, 900}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Fill, RoundLabelsGetTheSquareInsideTheirCircle) {
    LabelTemplate round = sheet(LabelTemplate::Shape::Round);
    round.labelSize = QSizeF(40 * mm, 40 * mm);
    const QList<QRectF> boxes = SheetFill::boxes(round, {}, {9000, 9000});
    ASSERT_EQ(boxes.size(), 4);
    const double side = 18 * mm * M_SQRT2;
    EXPECT_NEAR(boxes[0].width(), side, 1e-6);
    EXPECT_NEAR(boxes[0].left(), 30 * mm - side / 2, 1e-6);
    EXPECT_NEAR(boxes[0].top(), 40 * mm - side / 2, 1e-6);
}

TEST(Fill, LabelsWithoutRoomGetNone) {
    LabelTemplate tiny = sheet();
    tiny.markupMargin = 15 * mm; // more than half of the label's height
    EXPECT_TRUE(SheetFill::boxes(tiny, {}, {900, 900}).isEmpty());
}

struct PaperCase {
    const char* name;
    QSizeF paper;
    std::optional<PaperSize> expected;
    bool landscape;
};

void PrintTo(const PaperCase& c, std::ostream* os) {
    *os << c.name;
}

class Papers : public ::testing::TestWithParam<PaperCase> {};

TEST_P(Papers, ASheetFitsAPaperOfThePageWithinAMillimetre) {
    const std::optional<SheetPaper> p = SheetPaper::of(GetParam().paper);
    ASSERT_EQ(p.has_value(), GetParam().expected.has_value());
    if (p) {
        EXPECT_EQ(p->paper, *GetParam().expected);
        EXPECT_EQ(p->landscape, GetParam().landscape);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, Papers,
    ::testing::Values(PaperCase{"A4", {210 * mm, 297 * mm}, PaperSize::A4, false},
                      PaperCase{"A4Within1mm", {210.9 * mm, 296.1 * mm}, PaperSize::A4, false},
                      PaperCase{"A4Turned", {297 * mm, 210 * mm}, PaperSize::A4, true},
                      PaperCase{"A5", {148 * mm, 210 * mm}, PaperSize::A5, false},
                      PaperCase{"UsLetter", {12240, 15840}, PaperSize::Letter, false},
                      PaperCase{"A4Beyond1mm", {212 * mm, 297 * mm}, std::nullopt, false},
                      PaperCase{"IsoB5IsNotThePagesB5", {176 * mm, 250 * mm}, std::nullopt, false},
                      PaperCase{"A3", {297 * mm, 420 * mm}, std::nullopt, false},
                      PaperCase{"UsLegal", {12240, 20160}, std::nullopt, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace brevmark
