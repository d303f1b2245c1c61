#include "page/EditPanelRules.h"
#include "page/ItemDrag.h"
#include "page/ItemTable.h"
#include "page/LabelPage.h"
#include "page/PanelPlacement.h"
#include "page/PaperTable.h"

#include "support/RowNames.h"

#include <gtest/gtest.h>

using namespace brevmark;
using brevmark::test::rowName;

namespace {

// ------------------------------------------------------------------ paper

struct PaperCase {
    PaperSize paper;
    bool landscape;
    QSizeF size;
};

class PaperTableTest : public ::testing::TestWithParam<PaperCase> {};

TEST_P(PaperTableTest, SizeInTwips) {
    EXPECT_EQ(PaperTable::size(GetParam().paper, GetParam().landscape), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(AllSizes, PaperTableTest,
                         ::testing::Values(PaperCase{PaperSize::A4, false, {12000, 16700}},
                                           PaperCase{PaperSize::A4, true, {16700, 12000}},
                                           PaperCase{PaperSize::A5, false, {8350, 12000}},
                                           PaperCase{PaperSize::A5, true, {12000, 8350}},
                                           PaperCase{PaperSize::B5, false, {10300, 14650}},
                                           PaperCase{PaperSize::B5, true, {14650, 10300}}),
                         [](const auto& info) {
                             return rowName(PaperTable::caption(info.param.paper) +
                                            (info.param.landscape ? QStringLiteral(" landscape")
                                                                  : QStringLiteral(" portrait")));
                         });

struct ZoneCase {
    QPointF at;
    std::optional<PaperSize> paper;
};

class PictureZoneTest : public ::testing::TestWithParam<ZoneCase> {};

TEST_P(PictureZoneTest, ExclusiveBounds) {
    EXPECT_EQ(PaperTable::pictureZoneAt(GetParam().at), GetParam().paper);
}

INSTANTIATE_TEST_SUITE_P(
    Zones, PictureZoneTest,
    ::testing::Values(ZoneCase{{840, 1000}, std::nullopt}, ZoneCase{{1000, 960}, std::nullopt},
                      ZoneCase{{841, 961}, PaperSize::A4}, ZoneCase{{1359, 1099}, PaperSize::A4},
                      ZoneCase{{1360, 1000}, std::nullopt}, ZoneCase{{1000, 1150}, std::nullopt},
                      ZoneCase{{1000, 1300}, PaperSize::A5}, ZoneCase{{1000, 1400}, std::nullopt},
                      ZoneCase{{1000, 1500}, PaperSize::B5}, ZoneCase{{1000, 1640}, std::nullopt}),
    [](const auto& info) {
        return rowName(QStringLiteral("at %1 %2").arg(info.param.at.x()).arg(info.param.at.y()));
    });

// ------------------------------------------------------------------ page

TEST(LabelPageTest, PaperAdjustPlacesAt240WhenTooLargeElseCentres) {
    LabelPage page;
    page.setOrientationIndex(1);
    EXPECT_EQ(page.orientation, -1);
    page.adjust({11700, 6600});
    EXPECT_EQ(page.width, 16700);
    EXPECT_EQ(page.left, 240);
    EXPECT_EQ(page.top, 240);

    page.adjust({18000, 13000});
    EXPECT_EQ(page.left, 650);
    EXPECT_EQ(page.top, 500);

    // exactly as wide as the viewport counts as too large
    page.adjust({16700, 13000});
    EXPECT_EQ(page.left, 240);
}

TEST(LabelPageTest, AnyOrientationIndexButZeroIsLandscape) {
    LabelPage page;
    page.setOrientationIndex(5);
    EXPECT_TRUE(page.landscape());
    page.setOrientationIndex(0);
    EXPECT_EQ(page.orientation, 0);
}

TEST(LabelPageTest, PanningNeedsMoreThan60Twips) {
    LabelPage page;
    page.left = 240;
    page.top = 240;
    PointerState pointer;
    pointer.press({1000, 1000});
    EXPECT_FALSE(page.pan(pointer, {1060, 940}));
    EXPECT_EQ(page.top, 240);
    EXPECT_TRUE(page.pan(pointer, {1000, 1061}));
    EXPECT_EQ(page.top, 301);
    EXPECT_EQ(page.left, 240);
    EXPECT_TRUE(page.pan(pointer, {900, 1000}));
    EXPECT_EQ(page.left, 140);
}

TEST(LabelPageTest, ScrollBarPositionIsASixteenBitProduct) {
    EXPECT_EQ(LabelPage::scrolledPosition(0), 300);
    EXPECT_EQ(LabelPage::scrolledPosition(10), -3300);
    EXPECT_EQ(LabelPage::scrolledPosition(1000), -32768);
}

// ------------------------------------------------------------------ item table

TEST(ItemTableTest, SkipsTheFiveReservedIndexes) {
    ItemTable items;
    QList<int> taken;
    for (int i = 0; i < 12; ++i)
        taken.append(*items.addBlank({0, 0}, false));
    EXPECT_EQ(taken[9], 10);
    EXPECT_EQ(taken[10], 12);
    EXPECT_EQ(ItemTable::pageIndexes().size(), ItemTable::pageCapacity);
    for (int reserved : {0, 11, 21, 31, 41, 51, 251, 999})
        EXPECT_FALSE(ItemTable::isPageIndex(reserved)) << reserved;
}

TEST(ItemTableTest, FullPageRefusesAndChangesNothing) {
    ItemTable items;
    for (int i = 0; i < ItemTable::pageCapacity; ++i)
        ASSERT_TRUE(items.addBlank({60, 60}, false));
    EXPECT_EQ(items.count(), 245);
    EXPECT_EQ(items.highestInUse(), 250);
    EXPECT_FALSE(items.addBlank({120, 120}, false));
    EXPECT_FALSE(items.freeIndex());
    EXPECT_EQ(items.count(), 245);
}

TEST(ItemTableTest, DeletedIndexIsReusedAndHighestStays) {
    ItemTable items;
    for (int i = 0; i < 8; ++i)
        items.addBlank({0, 0}, false);
    items.remove(5);
    EXPECT_EQ(items.highestInUse(), 8);
    EXPECT_EQ(items.addBlank({0, 0}, false), 5);
    items.remove(8);
    EXPECT_EQ(items.highestInUse(), 8);
}

TEST(ItemTableTest, ClearPageLeavesTheSimpleAndPreviewItems) {
    ItemTable items;
    items.put(ItemTable::simpleItem, BarcodeItem::blank({0, 0}, false));
    items.put(ItemTable::previewItem, BarcodeItem::blank({0, 0}, false));
    items.addBlank({0, 0}, false);
    items.addBlank({0, 0}, false);
    EXPECT_EQ(items.clearPage(), QList<int>({1, 2}));
    EXPECT_TRUE(items.exists(0));
    EXPECT_TRUE(items.exists(999));
    EXPECT_EQ(items.highestInUse(), 2);
}

TEST(BarcodeItemTest, BlankItemDefaults) {
    const BarcodeItem item = BarcodeItem::blank({300, 420}, false);
    EXPECT_EQ(item.exists, -1);
    EXPECT_EQ(item.rect(), QRectF(300, 420, 3600, 900));
    EXPECT_EQ(item.symbol.barHeight, QStringLiteral("480"));
    EXPECT_EQ(item.symbol.textSize, 10);
    EXPECT_EQ(item.symbol.barWidth, 2);
    EXPECT_EQ(item.symbol.showText, 1);
    EXPECT_EQ(item.symbol.symbolLeft, 120);
    EXPECT_EQ(item.symbol.symbolTop, 120);
    EXPECT_EQ(item.backColour, 0xFFFFFFu);
    EXPECT_EQ(BarcodeItem::blank({0, 0}, true).width, 2700);
}

// ------------------------------------------------------------------ dragging

struct SnapCase {
    float value;
    float snapped;
};

class SnapTest : public ::testing::TestWithParam<SnapCase> {};

TEST_P(SnapTest, NearestMultipleOf60HalvesToEven) {
    EXPECT_EQ(ItemDrag::snap(GetParam().value), GetParam().snapped);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SnapTest,
    ::testing::Values(SnapCase{361, 360}, SnapCase{390, 360}, SnapCase{391, 420},
                      SnapCase{330, 360}, SnapCase{270, 240}, SnapCase{-150, -120}, SnapCase{0, 0}),
    [](const auto& info) { return rowName(QString::number(info.param.value)); });

struct MoveCase {
    QPointF pointer; // press at (1000, 400)
    QPointF topLeft; // from (300, 300)
};

class ItemMoveTest : public ::testing::TestWithParam<MoveCase> {};

TEST_P(ItemMoveTest, MovesBeyondThresholdSnapsAndStaysAt60OrMore) {
    BarcodeItem item = BarcodeItem::blank({300, 300}, false);
    PointerState pointer;
    pointer.press({1000, 400});
    const ItemGesture g = ItemDrag::gestureFor(item, 3, pointer, GetParam().pointer, true);
    ASSERT_EQ(g, ItemGesture::Move);
    ItemDrag::apply(g, item, pointer, GetParam().pointer);
    EXPECT_EQ(QPointF(item.left, item.top), GetParam().topLeft);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, ItemMoveTest,
    ::testing::Values(MoveCase{{1000, 460}, {300, 300}}, // exactly 60: no move
                      MoveCase{{1000, 461}, {300, 360}}, // 61 down: snap(361)
                      MoveCase{{1000, 490}, {300, 360}}, // 90 down: snap(390) = 6 × 60
                      MoveCase{{1000, -200}, {300, 60}}, // up past the page edge
                      MoveCase{{-500, 400}, {60, 300}},  // left past the page edge
                      MoveCase{{1121, 521}, {420, 420}}),
    [](const auto& info) {
        return rowName(
            QStringLiteral("to %1 %2").arg(info.param.pointer.x()).arg(info.param.pointer.y()));
    }); // both

TEST(ItemDragTest, RightBandResizesInStepsOf60AndMovesThePressPoint) {
    BarcodeItem item = BarcodeItem::blank({300, 300}, false);
    PointerState pointer;
    pointer.press({3550, 400});
    ItemGesture g = ItemDrag::gestureFor(item, 1, pointer, {3620, 400}, true);
    ASSERT_EQ(g, ItemGesture::ResizeRight);
    EXPECT_TRUE(ItemDrag::apply(g, item, pointer, {3620, 400}));
    EXPECT_EQ(item.width, 3660);
    EXPECT_EQ(pointer.pressX, 3610);
    g = ItemDrag::gestureFor(item, 1, pointer, {3540, 400}, true);
    EXPECT_TRUE(ItemDrag::apply(g, item, pointer, {3540, 400}));
    EXPECT_EQ(item.width, 3600);
    EXPECT_EQ(QPointF(item.left, item.top), QPointF(300, 300));
}

TEST(ItemDragTest, BottomBandResizesTheHeight) {
    BarcodeItem item = BarcodeItem::blank({300, 300}, false);
    PointerState pointer;
    pointer.press({1000, 850});
    const ItemGesture g = ItemDrag::gestureFor(item, 1, pointer, {1000, 950}, true);
    ASSERT_EQ(g, ItemGesture::ResizeBottom);
    ItemDrag::apply(g, item, pointer, {1000, 950});
    EXPECT_EQ(item.height, 960);
}

TEST(ItemDragTest, ResizeNeedsThePointerBeyondItsMinimum) {
    BarcodeItem item = BarcodeItem::blank({300, 300}, false);
    PointerState pointer;
    pointer.press({3550, 400});
    // pointer X not above 600: no right resize, a move instead
    EXPECT_EQ(ItemDrag::gestureFor(item, 1, pointer, {600, 400}, true), ItemGesture::Move);
}

TEST(ItemDragTest, NothingWithoutTheLeftButtonOrAHeldPress) {
    BarcodeItem item = BarcodeItem::blank({300, 300}, false);
    PointerState pointer;
    pointer.press({3550, 850});
    EXPECT_EQ(ItemDrag::gestureFor(item, 1, pointer, {3700, 1000}, false), ItemGesture::None);
    pointer.release();
    EXPECT_EQ(ItemDrag::gestureFor(item, 1, pointer, {3700, 1000}, true), ItemGesture::None);
    // the simple layout's item 0 resizes but never moves
    pointer.press({1000, 400});
    EXPECT_EQ(ItemDrag::gestureFor(item, 0, pointer, {1000, 600}, true), ItemGesture::None);
}

TEST(ItemDragTest, PointerZones) {
    const BarcodeItem item = BarcodeItem::blank({0, 0}, false);
    EXPECT_EQ(ItemDrag::zoneAt(item, {3481, 100}), ItemZone::RightBand);
    EXPECT_EQ(ItemDrag::zoneAt(item, {3480, 100}), ItemZone::Inside);
    EXPECT_EQ(ItemDrag::zoneAt(item, {100, 781}), ItemZone::BottomBand);
}

TEST(ItemDragTest, MatchLineShowsTheLastNearEdge) {
    ItemTable items;
    items.put(1, BarcodeItem::blank({600, 300}, false));
    items.put(2, BarcodeItem::blank({3000, 2400}, false));
    items.put(3, BarcodeItem::blank({620, 2420}, false));
    // item 3's left is near item 1's left; its top is near item 2's top (the last match)
    const auto line = ItemDrag::matchLine(items, 3, ItemGesture::Move);
    ASSERT_TRUE(line);
    EXPECT_EQ(*line, QLineF(620, 2400, 6600, 2400));
    items.at(2).top = 5000;
    EXPECT_EQ(*ItemDrag::matchLine(items, 3, ItemGesture::Move), QLineF(600, 300, 600, 3320));
    items.remove(1);
    EXPECT_FALSE(ItemDrag::matchLine(items, 3, ItemGesture::Move));
    // resizing compares right edges
    items.at(2).left = 640;
    EXPECT_EQ(*ItemDrag::matchLine(items, 3, ItemGesture::ResizeRight),
              QLineF(4240, 2420, 4240, 5900));
}

TEST(ItemDragTest, SymbolHandleFollowsBeyondThresholdAndStaysInside) {
    BarcodeAppearance symbol = BarcodeItem::blank({0, 0}, false).symbol;
    const QSizeF handle(450, 225);
    const QSizeF item(3600, 900);
    PointerState pointer;
    pointer.press({100, 100});
    EXPECT_FALSE(ItemDrag::dragSymbolHandle(symbol, handle, item, pointer, {160, 160}));
    EXPECT_TRUE(ItemDrag::dragSymbolHandle(symbol, handle, item, pointer, {300, 190}));
    EXPECT_EQ(symbol.symbolLeft, 320);
    EXPECT_EQ(symbol.symbolTop, 210);
    ItemDrag::dragSymbolHandle(symbol, handle, item, pointer, {100, -100});
    EXPECT_EQ(symbol.symbolTop, 0); // 10 is below 60, so 0
    ItemDrag::dragSymbolHandle(symbol, handle, item, pointer, {5000, 2000});
    EXPECT_EQ(symbol.symbolLeft, 3150);
    EXPECT_EQ(symbol.symbolTop, 675);
}

// ------------------------------------------------------------------ edit panel rules

struct NudgeCase {
    int button;
    float top, left;
    const char* barHeight;
    int barWidth;
    float topAfter, leftAfter;
    const char* barHeightAfter;
    int barWidthAfter;
};

class NudgeTest : public ::testing::TestWithParam<NudgeCase> {};

TEST_P(NudgeTest, AdjustButtonBounds) {
    const NudgeCase& c = GetParam();
    BarcodeAppearance s;
    s.symbolTop = c.top;
    s.symbolLeft = c.left;
    s.barHeight = QString::fromUtf8(c.barHeight);
    s.barWidth = std::uint8_t(c.barWidth);
    EditPanelRules::nudge(s, c.button);
    EXPECT_EQ(s.symbolTop, c.topAfter);
    EXPECT_EQ(s.symbolLeft, c.leftAfter);
    EXPECT_EQ(s.barHeight, QString::fromUtf8(c.barHeightAfter));
    EXPECT_EQ(s.barWidth, c.barWidthAfter);
}

INSTANTIATE_TEST_SUITE_P(Buttons, NudgeTest,
                         ::testing::Values(NudgeCase{0, 120, 120, "480", 2, 60, 120, "480", 2},
                                           NudgeCase{0, 30, 120, "480", 2, 0, 120, "480", 2},
                                           NudgeCase{1, 120, 120, "480", 2, 180, 120, "480", 2},
                                           NudgeCase{2, 120, 40, "480", 2, 120, 0, "480", 2},
                                           NudgeCase{3, 120, 120, "480", 2, 120, 180, "480", 2},
                                           NudgeCase{4, 0, 0, "180", 2, 0, 0, "120", 2},
                                           NudgeCase{4, 0, 0, "120", 2, 0, 0, "120", 2},
                                           NudgeCase{5, 0, 0, "480", 2, 0, 0, "600", 2},
                                           NudgeCase{6, 0, 0, "480", 2, 0, 0, "480", 1},
                                           NudgeCase{6, 0, 0, "480", 1, 0, 0, "480", 1},
                                           NudgeCase{7, 0, 0, "480", 5, 0, 0, "480", 6},
                                           NudgeCase{7, 0, 0, "480", 6, 0, 0, "480", 6}),
                         [](const auto& info) {
                             return rowName(
                                 QStringLiteral("button %1 top %2 left %3 height %4 width %5")
                                     .arg(info.param.button)
                                     .arg(info.param.top)
                                     .arg(info.param.left)
                                     .arg(QString::fromUtf8(info.param.barHeight))
                                     .arg(info.param.barWidth));
                         });

TEST(EditPanelRulesTest, HintsFollowTheControlState) {
    EXPECT_EQ(EditPanelRules::showTextHint(true), QStringLiteral("隱藏 條碼識別字符"));
    EXPECT_EQ(EditPanelRules::alignmentHint(false), QStringLiteral("平均排列 條碼識別字符"));
    EXPECT_EQ(EditPanelRules::boldHint(false), QStringLiteral("加粗 識別字符"));
    EXPECT_EQ(EditPanelRules::borderHint(true, false), QStringLiteral("關閉 條碼外框"));
    EXPECT_EQ(EditPanelRules::borderHint(false, true), QStringLiteral("使用 條碼外框"));
    EXPECT_EQ(EditPanelRules::borderHint(false, false),
              QStringLiteral("使用 條碼外框、注意!使用外框有些印表機會降低清晰度"));
    EXPECT_EQ(EditPanelRules::entryHint(false), QStringLiteral("說明：【輸入條碼數字】"));
    EXPECT_EQ(EditPanelRules::adjustHint(4), QStringLiteral("減少 條碼高度"));
}

// ------------------------------------------------------------------ placement

TEST(PanelPlacementTest, OpensBeforeThePointerOrAgainstTheFarEdge) {
    EXPECT_EQ(PanelPlacement::atPointer(1000, 4000, 12000), 940);
    EXPECT_EQ(PanelPlacement::atPointer(8000, 4000, 12000), 7940);
    EXPECT_EQ(PanelPlacement::atPointer(9000, 4000, 12000), 7940);
    EXPECT_EQ(PanelPlacement::belowItem({300, 600, 3600, 900}, {500, 700}), QPointF(800, 2320));
}

} // namespace
