// The three arrangements, the arrangement settings text and the placement of added copies.
#include "page/Arrangement.h"
#include "page/CopyPlacement.h"
#include "page/ItemTable.h"

#include <gtest/gtest.h>

using namespace brevmark;

namespace {

constexpr double a4Width = 12000;
constexpr double a4Height = 16700;

// Items at indexes 1, 2, 3 … with the given sizes, all first at (5000, 5000).
ItemTable itemsOf(const QList<QSizeF>& sizes) {
    ItemTable items;
    for (const QSizeF& size : sizes) {
        const int k = *items.addBlank({5000, 5000}, false);
        items.at(k).width = float(size.width());
        items.at(k).height = float(size.height());
    }
    return items;
}

QPointF at(const ItemTable& items, int k) {
    return {items.at(k).left, items.at(k).top};
}

TEST(Arrangement, SingleColumnWorkedExample) {
    ItemTable items = itemsOf({{3600, 900}, {3600, 900}, {3600, 900}});
    EXPECT_EQ(Arrangement::arrange(0, items, {}, a4Width, a4Height), Arrangement::Outcome::Done);
    EXPECT_EQ(at(items, 1), QPointF(300, 300));
    EXPECT_EQ(at(items, 2), QPointF(300, 1230));
    EXPECT_EQ(at(items, 3), QPointF(300, 2160));
}

TEST(Arrangement, SingleColumnSkipsMissingIndexes) {
    ItemTable items = itemsOf({{3600, 900}, {3600, 600}, {3600, 900}});
    items.remove(2);
    Arrangement::arrange(0, items, {}, a4Width, a4Height);
    EXPECT_EQ(at(items, 3), QPointF(300, 1230));
}

TEST(Arrangement, SingleColumnOverflowsOnTheRunningHeightEvenWhenTheItemFits) {
    ItemTable items = itemsOf({{3600, 1690}, {3600, 900}});
    ArrangementSettings s;
    s.startTop = QStringLiteral("1000"); // 15000 twips; the item ends at 16690, inside the page
    EXPECT_EQ(Arrangement::arrange(0, items, s, a4Width, a4Height), Arrangement::Outcome::Overflow);
    EXPECT_EQ(at(items, 1), QPointF(300, 15000));
    EXPECT_EQ(at(items, 2), QPointF(5000, 5000));
}

TEST(Arrangement, TwoColumnsUseTheWidestItemAndTheTallerOfEachRow) {
    ItemTable items = itemsOf({{3600, 900}, {2700, 1200}, {2700, 900}, {3600, 900}, {2700, 600}});
    EXPECT_EQ(Arrangement::arrange(1, items, {}, a4Width, a4Height), Arrangement::Outcome::Done);
    EXPECT_EQ(at(items, 1), QPointF(300, 300));
    EXPECT_EQ(at(items, 2), QPointF(3930, 300));
    EXPECT_EQ(at(items, 3), QPointF(300, 1530));
    EXPECT_EQ(at(items, 4), QPointF(3930, 1530));
    // an odd count leaves the last row with one item
    EXPECT_EQ(at(items, 5), QPointF(300, 2460));
}

TEST(Arrangement, RowsBreakWhenTheRightEdgePlus120PassesThePageWidth) {
    ItemTable items = itemsOf({{5760, 900}, {5790, 900}, {5790, 600}, {3600, 900}});
    EXPECT_EQ(Arrangement::arrange(2, items, {}, a4Width, a4Height), Arrangement::Outcome::Done);
    EXPECT_EQ(at(items, 1), QPointF(300, 300));
    // 6090 + 5790 + 120 is exactly the page width: still in the row
    EXPECT_EQ(at(items, 2), QPointF(6090, 300));
    EXPECT_EQ(at(items, 3), QPointF(300, 1230));
    EXPECT_EQ(at(items, 4), QPointF(6120, 1230));
}

TEST(Arrangement, RowsOverflowStopsTheWholeArrangement) {
    ItemTable items = itemsOf({{3600, 900}, {3600, 900}});
    ArrangementSettings s;
    s.startTop = QStringLiteral("999"); // 14985
    s.verticalGap = QStringLiteral("99");
    EXPECT_EQ(Arrangement::arrange(2, items, s, a4Width, 16000), Arrangement::Outcome::Overflow);
    EXPECT_EQ(at(items, 1), QPointF(300, 14985));
    EXPECT_EQ(at(items, 2), QPointF(5000, 5000));
}

TEST(Arrangement, RowsWithAnItemOfNoHeightEnd) {
    ItemTable items = itemsOf({{20000, 0}, {3600, 900}});
    ArrangementSettings s;
    s.verticalGap = QStringLiteral("0");
    Arrangement::arrange(2, items, s, a4Width, a4Height);
    EXPECT_EQ(at(items, 2).x(), 300);
}

TEST(Arrangement, PositionsPastThe16BitRangeAreClampedNotWrapped) {
    ItemTable items = itemsOf({{40000, 900}, {3600, 900}});
    Arrangement::arrange(1, items, {}, a4Width, a4Height);
    EXPECT_EQ(at(items, 2), QPointF(32767, 300));

    ItemTable tall = itemsOf({{3600, 40000}, {3600, 900}});
    EXPECT_EQ(Arrangement::arrange(0, tall, {}, a4Width, a4Height), Arrangement::Outcome::Overflow);
    EXPECT_EQ(at(tall, 2), QPointF(5000, 5000));
}

TEST(ArrangementSettings, SettingTextAndRestore) {
    ArrangementSettings s;
    EXPECT_EQ(s.settingText(), "2 2 20 20");
    s.verticalGap = QStringLiteral("25");
    EXPECT_EQ(s.settingText(), "2 25 20 20");
    EXPECT_EQ(ArrangementSettings::twipsOf("25"), 375);
    EXPECT_EQ(ArrangementSettings::twipsOf("x"), 0);
    EXPECT_EQ(ArrangementSettings::twipsOf("9999"), 32767);

    ArrangementSettings restored;
    EXPECT_TRUE(restored.restore(QStringLiteral("007 3x 40 0")));
    EXPECT_EQ(restored.settingText(), "7 3 40 0");
    EXPECT_FALSE(restored.restore(QStringLiteral("1 2 3")));
    EXPECT_FALSE(restored.restore(QStringLiteral("1 2 3 4 5")));
    EXPECT_EQ(restored.settingText(), "7 3 40 0");
}

// ---------------------------------------------------------------- add copies

struct Copies {
    QList<QPointF> made;
    int freeIndexes = 245;
    QSizeF size{3600, 900};
    CopyPlacement::MakeCopy maker() {
        return [this](QPointF topLeft) -> std::optional<QSizeF> {
            if (freeIndexes-- <= 0)
                return std::nullopt;
            made.append(topLeft);
            return size;
        };
    }
};

TEST(CopyPlacement, FiveCopiesGoDownOneColumn) {
    Copies copies;
    const auto result = CopyPlacement::run(
        {300, 600}, [] { return 5; }, copies.maker(), a4Width, a4Height);
    EXPECT_EQ(result.made, 5);
    EXPECT_EQ(result.stop, CopyPlacement::Stop::CountReached);
    EXPECT_EQ(copies.made,
              (QList<QPointF>{{300, 600}, {300, 1560}, {300, 2520}, {300, 3480}, {300, 4440}}));
}

TEST(CopyPlacement, ANewColumnStartsWhenTheNextCopyWouldPassTheBottom) {
    Copies copies;
    CopyPlacement::run(
        {300, 14000}, [] { return 4; }, copies.maker(), a4Width, a4Height);
    EXPECT_EQ(copies.made,
              (QList<QPointF>{{300, 14000}, {300, 14960}, {3960, 14000}, {3960, 14960}}));
}

TEST(CopyPlacement, StopsWhenNoColumnIsLeft) {
    Copies copies;
    const auto result = CopyPlacement::run(
        {8000, 16000}, [] { return 50; }, copies.maker(), a4Width, a4Height);
    EXPECT_EQ(result.stop, CopyPlacement::Stop::Overflow);
    EXPECT_EQ(copies.made, (QList<QPointF>{{8000, 16000}, {11660, 16000}}));
}

TEST(CopyPlacement, NoFreeIndexKeepsTheCopiesMade) {
    Copies copies;
    copies.freeIndexes = 2;
    const auto result = CopyPlacement::run(
        {300, 600}, [] { return 5; }, copies.maker(), a4Width, a4Height);
    EXPECT_EQ(result.stop, CopyPlacement::Stop::NoFreeIndex);
    EXPECT_EQ(result.made, 2);
}

TEST(CopyPlacement, CountIsReadAfreshAndZeroStillMakesOne) {
    Copies copies;
    int count = 0;
    EXPECT_EQ(CopyPlacement::run(
                  {0, 0}, [&] { return count; }, copies.maker(), a4Width, a4Height)
                  .made,
              1);
    count = 3;
    int reads = 0;
    const auto shrinking = [&] { return ++reads == 1 ? 3 : 1; };
    EXPECT_EQ(CopyPlacement::run({0, 0}, shrinking, copies.maker(), a4Width, a4Height).made, 2);
}

} // namespace
