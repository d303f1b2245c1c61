#include "platform/WmfObjectSlots.h"

#include <gtest/gtest.h>

namespace brevmark {
namespace {

TEST(WmfObjectSlots, GivesTheLowestFreeIndexAsGdiDoes) {
    WmfObjectSlots slots(4);
    EXPECT_EQ(slots.take(), 0);
    EXPECT_EQ(slots.take(), 1);
    EXPECT_EQ(slots.take(), 2);
    slots.release(0);
    slots.release(2);
    EXPECT_FALSE(slots.isTaken(0));
    EXPECT_TRUE(slots.isTaken(1));
    EXPECT_EQ(slots.take(), 0);
    EXPECT_EQ(slots.take(), 2);
    EXPECT_EQ(slots.take(), 3);
    EXPECT_EQ(slots.size(), 4);
}

TEST(WmfObjectSlots, AFullTableGrowsOneSlotAtATimeUpToTheLastIndex) {
    WmfObjectSlots slots(1);
    EXPECT_EQ(slots.take(), 0);
    EXPECT_EQ(slots.take(), 1); // a header that under-counts its objects
    EXPECT_EQ(slots.size(), 2);
    slots.release(1);
    EXPECT_EQ(slots.take(), 1);
    EXPECT_EQ(slots.size(), 2);

    WmfObjectSlots none(0);
    EXPECT_EQ(none.take(), 0);
    EXPECT_EQ(WmfObjectSlots(100000).size(), WmfObjectSlots::maxSlots);
    EXPECT_EQ(WmfObjectSlots(-3).size(), 0);
}

TEST(WmfObjectSlots, ReleasingWhatIsNotTakenChangesNothing) {
    WmfObjectSlots slots(3);
    slots.release(1);
    slots.release(-1);
    slots.release(70000);
    EXPECT_EQ(slots.take(), 0);
    slots.release(0);
    slots.release(0);
    EXPECT_EQ(slots.take(), 0);
    EXPECT_EQ(slots.take(), 1);
}

TEST(WmfObjectSlots, TheWholeTableAcrossItsBitmapWords) {
    WmfObjectSlots slots(WmfObjectSlots::maxSlots);
    for (int i = 0; i < WmfObjectSlots::maxSlots; ++i)
        ASSERT_EQ(slots.take(), i);
    EXPECT_EQ(slots.take(), std::nullopt);
    // Free slots at the edges of the 64-slot and 4096-slot words are found again, lowest first.
    for (int index : {65534, 4096, 4095, 64, 63, 0})
        slots.release(index);
    for (int index : {0, 63, 64, 4095, 4096, 65534})
        EXPECT_EQ(slots.take(), index);
    EXPECT_EQ(slots.take(), std::nullopt);
}

} // namespace
} // namespace brevmark
