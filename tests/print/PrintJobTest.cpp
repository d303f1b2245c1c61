// The print job on its own: which items print where, page breaks, and that printing leaves the
// page model's places alone.
#include "PrintDoubles.h"

#include "print/ItemPrinter.h"
#include "print/PrintJob.h"
#include "print/PrintPictures.h"
#include "print/PrintSettings.h"
#include "support/ScriptedMessageBoxes.h"

#include "support/PageModelEdits.h"

#include <gtest/gtest.h>

namespace brevmark {
void PrintTo(const PrintJob::Placement& p, std::ostream* os) {
    *os << "{" << p.index << " at " << p.placeOnPage.x() << "," << p.placeOnPage.y()
        << (p.newPageBefore ? " new page" : "") << "}";
}
} // namespace brevmark

namespace brevmark::test {
namespace {

using Placement = PrintJob::Placement;

class PrintJobTest : public ::testing::Test {
protected:
    PrintJobTest() : pictures(loader, DataLocation(QStringLiteral("/nowhere"))) {
        test::putItem(model, 0, pageItem(0, 0, QStringLiteral("A1")));
    }

    PageModel model;
    PrintSettings settings;
    FakePictureLoader loader;
    PrintPictures pictures;
    RecordingSurface surface;
};

TEST_F(PrintJobTest, SimpleCopiesStartAtTheArrangementStartPoint) {
    model.printQuantity = QStringLiteral("3");
    model.arrangement.startLeft = QStringLiteral("10");
    model.arrangement.startTop = QStringLiteral("4");
    EXPECT_EQ(
        PrintJob::simpleCopies(model, settings),
        (QList<Placement>{{0, {150, 60}, false}, {0, {3770, 60}, false}, {0, {7390, 60}, false}}));
}

TEST_F(PrintJobTest, SimpleCopiesOnALabelPrinterTakeAPageEach) {
    settings.printerKind = 1;
    model.printQuantity = QStringLiteral("2");
    EXPECT_EQ(PrintJob::simpleCopies(model, settings),
              (QList<Placement>{{0, {300, 300}, false}, {0, {300, 300}, true}}));
}

TEST_F(PrintJobTest, QuantityThatIsNoNumberPrintsNothing) {
    for (const char* quantity : {"", "abc", "0"}) {
        model.printQuantity = QString::fromUtf8(quantity);
        EXPECT_TRUE(PrintJob::simpleCopies(model, settings).isEmpty()) << quantity;
    }
}

TEST_F(PrintJobTest, PageItemsGoWhereTheyLieInIndexOrderLeavingItemZeroOut) {
    test::putItem(model, 12, pageItem(900, 2400, QStringLiteral("B")));
    test::putItem(model, 2, pageItem(300, 600, QStringLiteral("A")));
    EXPECT_EQ(PrintJob::pageItems(model, settings),
              (QList<Placement>{{2, {300, 600}, false}, {12, {900, 2400}, false}}));
    settings.printerKind = 1;
    EXPECT_EQ(PrintJob::pageItems(model, settings),
              (QList<Placement>{{2, {300, 600}, false}, {12, {900, 2400}, true}}));
    settings.printerKind = 2;
    EXPECT_TRUE(PrintJob::pageItems(model, settings).isEmpty());
}

TEST_F(PrintJobTest, PrintsEachPlacementAtItsOriginWithoutMovingTheItem) {
    ItemPrinter items(model.items(), model.tags(), pictures);
    const PrintJob job(items, settings);
    const QList<int> failed = job.print({{0, {300, 300}, false}, {0, {300, 1220}, true}}, surface);
    EXPECT_TRUE(failed.isEmpty());
    const QList<DrawCall> fills = surface.backgroundFills();
    ASSERT_EQ(fills.size(), 2);
    EXPECT_EQ(fills[0].rect.topLeft(), QPointF(300, 300));
    EXPECT_EQ(fills[1].rect.topLeft(), QPointF(300, 1220));
    EXPECT_EQ(surface.count(DrawCall::NewPage), 1);
    EXPECT_EQ(surface.calls.last().kind, DrawCall::EndDocument);
    EXPECT_EQ(model.items().at(0).left, 0);
    EXPECT_EQ(model.items().at(0).top, 0);
}

TEST_F(PrintJobTest, LabelPrinterPutsEveryCopyAtThePageCorner) {
    settings.printerKind = 1;
    ItemPrinter items(model.items(), model.tags(), pictures);
    PrintJob(items, settings).print({{0, {300, 1220}, false}}, surface);
    EXPECT_EQ(surface.backgroundFills().value(0).rect.topLeft(), QPointF(0, 0));
}

TEST_F(PrintJobTest, FailedItemsAreNamedAndTheRestStillPrint) {
    test::putItem(model, 1, pageItem(0, 0, QStringLiteral("X")));
    ImageItem image;
    image.file = QStringLiteral("broken.bmp");
    image.width = 300;
    image.height = 300;
    test::addTag(model, 1, image);
    surface.failingPictureSize = QSizeF(13, 13);
    ItemPrinter items(model.items(), model.tags(), pictures);
    const QList<int> failed =
        PrintJob(items, settings).print({{1, {0, 0}, false}, {0, {0, 0}, false}}, surface);
    EXPECT_EQ(failed, QList<int>{1});
    EXPECT_EQ(surface.backgroundFills().size(), 2);
}

} // namespace
} // namespace brevmark::test
