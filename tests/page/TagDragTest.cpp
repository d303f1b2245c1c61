// Dragging text labels and images inside their item, the context menu bands and the number box
// key rule.
#include "page/TagDrag.h"
#include "page/ContextMenuBands.h"
#include "page/NumberKeyRule.h"
#include "page/TagTable.h"

#include "support/RowNames.h"

#include <gtest/gtest.h>

using namespace brevmark;
using brevmark::test::rowName;

namespace {

PointerState pressedAt(float x, float y) {
    PointerState p;
    p.press({x, y});
    return p;
}

TEST(TagDrag, LabelDraggedLeftPastTheEdgeStopsAtZero) {
    float left = 120, top = 300;
    const PointerState p = pressedAt(100, 50);
    EXPECT_TRUE(TagDrag::move(left, top, {600, 225}, {3600, 900}, p, {-100, 50}));
    EXPECT_EQ(left, 0);
    EXPECT_EQ(top, 300);
    // up past the top edge as well
    EXPECT_TRUE(TagDrag::move(left, top, {600, 225}, {3600, 900}, p, {100, -400}));
    EXPECT_EQ(top, 0);
}

TEST(TagDrag, MovesSnapBeyondTheThresholdOnly) {
    float left = 600, top = 300;
    const PointerState p = pressedAt(100, 50);
    EXPECT_FALSE(TagDrag::move(left, top, {600, 225}, {3600, 900}, p, {160, 110}));
    EXPECT_TRUE(TagDrag::move(left, top, {600, 225}, {3600, 900}, p, {191, 50}));
    EXPECT_EQ(left, 720); // snap(691)
}

TEST(TagDrag, StaysInsideTheItemOnTheRightAndBottom) {
    float left = 2700, top = 600;
    const PointerState p = pressedAt(0, 0);
    TagDrag::move(left, top, {1200, 450}, {3600, 900}, p, {0, 0});
    EXPECT_EQ(left, 2400);
    EXPECT_EQ(top, 450);
}

TEST(TagDrag, LabelWiderThanItsItemGetsANegativeLeftAfterAnyMove) {
    float left = 0, top = 0;
    const PointerState p = pressedAt(10, 10);
    EXPECT_TRUE(TagDrag::move(left, top, {4000, 225}, {3600, 900}, p, {11, 10}));
    EXPECT_EQ(left, -400);
}

TEST(TagDrag, ImageResizeNeedsThePointerBeyond240) {
    ImageItem image;
    image.width = 900;
    image.height = 900;
    PointerState p = pressedAt(850, 100);
    EXPECT_EQ(TagDrag::imageGesture(image, p, {241, 100}), ImageGesture::ResizeRight);
    EXPECT_TRUE(TagDrag::resize(ImageGesture::ResizeRight, image, p, {241, 100}));
    EXPECT_EQ(image.width, 840);
    EXPECT_EQ(p.pressX, 790);
    // at 240 or less the drag no longer narrows the image; it moves it instead
    EXPECT_EQ(TagDrag::imageGesture(image, p, {240, 100}), ImageGesture::Move);
    // growing
    EXPECT_TRUE(TagDrag::resize(ImageGesture::ResizeRight, image, p, {851, 100}));
    EXPECT_EQ(image.width, 900);
    EXPECT_FALSE(TagDrag::resize(ImageGesture::ResizeRight, image, p, {900, 100}));
}

TEST(TagDrag, BottomBandResizesTheHeight) {
    ImageItem image; // 375 x 375
    PointerState p = pressedAt(100, 300);
    ASSERT_EQ(TagDrag::imageGesture(image, p, {100, 400}), ImageGesture::ResizeBottom);
    EXPECT_TRUE(TagDrag::resize(ImageGesture::ResizeBottom, image, p, {100, 400}));
    EXPECT_EQ(image.height, 435);
    EXPECT_EQ(image.width, 375);
    EXPECT_EQ(TagDrag::zoneAt(image, {370, 10}), ImageGesture::ResizeRight);
    EXPECT_EQ(TagDrag::zoneAt(image, {10, 370}), ImageGesture::ResizeBottom);
    EXPECT_EQ(TagDrag::zoneAt(image, {10, 10}), ImageGesture::Move);
}

TEST(TagTable, FiftyOfEachAndNoMore) {
    TagTable tags;
    for (int j = 1; j <= 50; ++j)
        EXPECT_EQ(tags.addLabel(3, TextLabelItem()), j);
    EXPECT_EQ(tags.addLabel(3, TextLabelItem()), std::nullopt);
    EXPECT_EQ(tags.addImage(3, ImageItem()), 1);
    EXPECT_TRUE(tags.remove(TagKind::Label, 3, 7));
    EXPECT_FALSE(tags.remove(TagKind::Label, 3, 7));
    EXPECT_EQ(tags.addLabel(3, TextLabelItem()), 7);
    EXPECT_FALSE(tags.putImage(3, 1, ImageItem()));
    EXPECT_FALSE(tags.putImage(3, 51, ImageItem()));
    tags.removeAll(3);
    EXPECT_FALSE(tags.exists(TagKind::Image, 3, 1));
}

struct BandCase {
    double y;
    bool professional;
    int band;
};
class MenuBand : public ::testing::TestWithParam<BandCase> {};

TEST_P(MenuBand, HigherBandWinsWhereTwoOverlap) {
    EXPECT_EQ(ContextMenuBands::at(GetParam().y, GetParam().professional), GetParam().band);
}

INSTANTIATE_TEST_SUITE_P(
    Bands, MenuBand,
    ::testing::Values(BandCase{45, true, -1}, BandCase{46, true, 0}, BandCase{434, true, 0},
                      BandCase{436, true, 1}, BandCase{465, true, 1}, BandCase{840, true, 2},
                      BandCase{840, false, 1}, BandCase{1000, false, -1}, BandCase{1230, true, 3},
                      BandCase{1620, true, 4}, BandCase{2024, true, 4}, BandCase{2025, true, -1}),
    [](const auto& info) {
        return rowName(QStringLiteral("y %1 %2")
                           .arg(info.param.y)
                           .arg(info.param.professional ? "professional" : "simple"));
    });

TEST(NumberKeyRule, OnlyDigitsAndTheFourControlKeysPass) {
    EXPECT_TRUE(NumberKeyRule::accepts(Qt::Key_5, "5"));
    EXPECT_TRUE(NumberKeyRule::accepts(Qt::Key_Return, "\r"));
    EXPECT_TRUE(NumberKeyRule::accepts(Qt::Key_Backspace, "\b"));
    EXPECT_TRUE(NumberKeyRule::accepts(Qt::Key_Tab, "\t"));
    EXPECT_TRUE(NumberKeyRule::accepts(Qt::Key_Escape, ""));
    EXPECT_FALSE(NumberKeyRule::accepts(Qt::Key_A, "a"));
    EXPECT_FALSE(NumberKeyRule::accepts(Qt::Key_Minus, "-"));
    EXPECT_FALSE(NumberKeyRule::accepts(Qt::Key_Period, "."));
    EXPECT_FALSE(NumberKeyRule::accepts(Qt::Key_Delete, ""));
    EXPECT_FALSE(NumberKeyRule::accepts(Qt::Key_Left, ""));
    EXPECT_FALSE(NumberKeyRule::accepts(Qt::Key_unknown, "５"));
}

} // namespace
