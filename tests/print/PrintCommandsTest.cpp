#include "PrintDoubles.h"

#include "platform/Timer.h"
#include "print/F1Poller.h"
#include "print/PrintCommands.h"
#include "print/PrintSettings.h"
#include "print/PrintTexts.h"
#include "support/ScriptedMessageBoxes.h"

#include "support/PageModelEdits.h"

#include "support/RowNames.h"

#include <gtest/gtest.h>

namespace brevmark::test {
namespace {

class PrintCommandsTest : public ::testing::Test {
protected:
    PrintCommandsTest() { test::putItem(model, 0, pageItem(0, 0, QStringLiteral("A1"))); }
    PrintCommands commands() {
        return PrintCommands(model, loader, DataLocation(QStringLiteral("/nowhere")),
                             recordingFactory(surface, &opened), settings, host);
    }
    // An item's white background, not one of its black bars.
    static bool isBackground(const DrawCall& c) {
        return c.kind == DrawCall::FillRect && c.color != QColor(Qt::black);
    }
    QList<QPointF> itemCorners() const {
        QList<QPointF> corners;
        for (const DrawCall& c : surface.calls)
            if (isBackground(c))
                corners.append(c.rect.topLeft());
        return corners;
    }
    QList<DrawCall::Kind> pageAndItemCalls() const {
        QList<DrawCall::Kind> kinds;
        for (const DrawCall& c : surface.calls)
            if (isBackground(c) || c.kind == DrawCall::NewPage || c.kind == DrawCall::EndDocument)
                kinds.append(c.kind);
        return kinds;
    }

    PageModel model;
    FakePictureLoader loader;
    RecordingSurface surface;
    FakePrintHost host;
    PrintSettings settings;
    int opened = 0;
};

TEST_F(PrintCommandsTest, SimpleCommandFillsRowsFromTheStartPoint) {
    model.printQuantity = QStringLiteral("10");
    commands().printSimple();
    const QList<QPointF> corners = itemCorners();
    ASSERT_EQ(corners.size(), 10);
    EXPECT_EQ(corners.mid(0, 4),
              (QList<QPointF>{{300, 300}, {3920, 300}, {7540, 300}, {300, 1220}}));
    EXPECT_EQ(corners[9], QPointF(300, 3060));
    EXPECT_EQ(surface.count(DrawCall::NewPage), 0);
    EXPECT_EQ(surface.calls.last().kind, DrawCall::EndDocument);
    EXPECT_EQ(surface.count(DrawCall::EndDocument), 1);
}

TEST_F(PrintCommandsTest, SimpleCommandHidesItemZeroAndRestoresItAfterwards) {
    model.printQuantity = QStringLiteral("3");
    commands().printSimple();
    EXPECT_EQ(host.visibility, (QList<bool>{false, true}));
    EXPECT_EQ(model.items().at(0).left, 0);
    EXPECT_EQ(model.items().at(0).top, 0);
    EXPECT_EQ(host.refocused, 1);
}

TEST_F(PrintCommandsTest, SimpleCommandStartsANewPageOnlyBeforeACopyThatNeedsOne) {
    // 900 high rows every 920 twips from 300: sixteen rows of three fit above 16700.
    model.printQuantity = QStringLiteral("48");
    commands().printSimple();
    EXPECT_EQ(surface.count(DrawCall::NewPage), 0);
    surface.calls.clear();
    model.printQuantity = QStringLiteral("49");
    commands().printSimple();
    ASSERT_EQ(surface.count(DrawCall::NewPage), 1);
    const QList<DrawCall::Kind> kinds = pageAndItemCalls();
    EXPECT_EQ(kinds[48], DrawCall::NewPage);
    EXPECT_EQ(itemCorners().last(), QPointF(300, 300));
    EXPECT_EQ(itemCorners()[47], QPointF(7540, 300 + 15 * 920));
}

TEST_F(PrintCommandsTest, SimpleCommandOnALabelPrinterPrintsOneCopyPerPage) {
    settings.printerKind = 1;
    model.printQuantity = QStringLiteral("3");
    commands().printSimple();
    EXPECT_EQ(
        pageAndItemCalls(),
        (QList<DrawCall::Kind>{DrawCall::FillRect, DrawCall::NewPage, DrawCall::FillRect,
                               DrawCall::NewPage, DrawCall::FillRect, DrawCall::EndDocument}));
    for (const QPointF& corner : itemCorners())
        EXPECT_EQ(corner, QPointF(0, 0));
}

TEST_F(PrintCommandsTest, QuantityRoundsHalfToEven) {
    model.printQuantity = QStringLiteral("2.5");
    commands().printSimple();
    EXPECT_EQ(itemCorners().size(), 2);
}

class PrintNothingTest : public PrintCommandsTest,
                         public ::testing::WithParamInterface<const char*> {};

TEST_P(PrintNothingTest, QuantityBelowOneOrNotANumberSendsNoDocument) {
    model.printQuantity = QString::fromUtf8(GetParam());
    const PrintCommands::Outcome outcome = commands().printSimple();
    EXPECT_TRUE(surface.calls.isEmpty());
    EXPECT_EQ(opened, 0);
    EXPECT_TRUE(outcome.warnings().isEmpty());
    EXPECT_EQ(host.visibility, (QList<bool>{false, true}));
    EXPECT_EQ(host.refocused, 1);
}

INSTANTIATE_TEST_SUITE_P(Quantities, PrintNothingTest,
                         ::testing::Values("", "abc", "0", "-3", "0.9", "   "),
                         [](const auto& info) {
                             return QString::fromUtf8(info.param).trimmed().isEmpty()
                                        ? std::string(QString::fromUtf8(info.param).isEmpty()
                                                          ? "empty"
                                                          : "spaces")
                                        : rowName(QString::fromUtf8(info.param));
                         });

TEST_F(PrintCommandsTest, NoPrinterTellsTheUserAndPrintsNothing) {
    surface.available = false;
    model.printQuantity = QStringLiteral("5");
    const PrintCommands::Outcome simple = commands().printSimple();
    EXPECT_TRUE(surface.calls.isEmpty());
    EXPECT_EQ(simple.warnings(), QStringList{print_texts::noPrinter()});
    EXPECT_EQ(host.visibility, (QList<bool>{false, true}));

    test::putItem(model, 1, pageItem(10, 10, QStringLiteral("B")));
    const PrintCommands::Outcome page = commands().printPage();
    EXPECT_TRUE(surface.calls.isEmpty());
    EXPECT_TRUE(page.noPrinter);
}

TEST_F(PrintCommandsTest, PageCommandOnALabelPrinterGivesEachItemItsOwnPage) {
    settings.printerKind = 1;
    BarcodeItem seven = pageItem(5000, 6000, QStringLiteral("7"));
    seven.backColour = 0x070707;
    BarcodeItem three = pageItem(100, 200, QStringLiteral("3"));
    three.backColour = 0x030303;
    test::putItem(model, 7, seven);
    test::putItem(model, 3, three);
    commands().printPage();
    EXPECT_EQ(host.panelsClosed, 1);
    EXPECT_EQ(pageAndItemCalls(),
              (QList<DrawCall::Kind>{DrawCall::FillRect, DrawCall::NewPage, DrawCall::FillRect,
                                     DrawCall::EndDocument}));
    QList<DrawCall> fills;
    for (const DrawCall& c : surface.calls)
        if (isBackground(c))
            fills.append(c);
    ASSERT_EQ(fills.size(), 2);
    EXPECT_EQ(fills[0].color, QColor(3, 3, 3));
    EXPECT_EQ(fills[1].color, QColor(7, 7, 7));
    EXPECT_EQ(fills[0].rect.topLeft(), QPointF(0, 0));
    EXPECT_EQ(fills[1].rect.topLeft(), QPointF(0, 0));
}

TEST_F(PrintCommandsTest, PageCommandOnAPagePrinterPutsEveryItemWhereItLies) {
    test::putItem(model, 2, pageItem(300, 300, QStringLiteral("2")));
    test::putItem(model, 12, pageItem(4000, 300, QStringLiteral("12")));
    commands().printPage();
    EXPECT_EQ(itemCorners(), (QList<QPointF>{{300, 300}, {4000, 300}}));
    EXPECT_EQ(surface.count(DrawCall::NewPage), 0);
    EXPECT_EQ(surface.count(DrawCall::EndDocument), 1);
    // Item 0 of the simple layout takes no part.
    EXPECT_EQ(itemCorners().size(), 2);
}

TEST_F(PrintCommandsTest, FailingItemIsReportedAndTheNextItemStillPrints) {
    test::putItem(model, 2, pageItem(300, 300, QStringLiteral("2")));
    test::putItem(model, 3, pageItem(300, 1300, QStringLiteral("3")));
    ImageItem image;
    image.file = QStringLiteral("missing.gif");
    test::addTag(model, 2, image);
    PrintCommands printing = commands();
    const PrintCommands::Outcome outcome = printing.printPage();
    EXPECT_EQ(outcome.warnings(), QStringList{QStringLiteral("列印格式 2 出現故障，無法完整列印")});
    EXPECT_EQ(printing.failedItems(), 1);
    EXPECT_EQ(itemCorners(), (QList<QPointF>{{300, 300}, {300, 1300}}));
    EXPECT_TRUE(surface.texts().contains(QStringLiteral("3")));
    EXPECT_FALSE(surface.texts().contains(QStringLiteral("2")));
    EXPECT_EQ(surface.calls.last().kind, DrawCall::EndDocument);
}

TEST_F(PrintCommandsTest, PicturesAreReadOncePerCommand) {
    ImageItem image;
    image.file = QStringLiteral("good.bmp");
    for (int index : {1, 2, 3}) {
        test::putItem(model, index, pageItem(0, 1000.0 * index, QStringLiteral("X")));
        test::addTag(model, index, image);
    }
    commands().printPage();
    EXPECT_EQ(surface.count(DrawCall::Picture), 3);
    EXPECT_EQ(loader.loads, 1);
}

TEST_F(PrintCommandsTest, UnknownPrinterKindPrintsNothing) {
    settings.printerKind = 2;
    test::putItem(model, 1, pageItem(0, 0, QStringLiteral("X")));
    model.printQuantity = QStringLiteral("4");
    commands().printSimple();
    commands().printPage();
    EXPECT_TRUE(surface.calls.isEmpty());
}

TEST_F(PrintCommandsTest, CurrentLayoutChoosesTheCommand) {
    test::putItem(model, 1, pageItem(900, 900, QStringLiteral("X")));
    host.mode = LayoutMode::Professional;
    commands().printForCurrentLayout();
    EXPECT_EQ(itemCorners(), (QList<QPointF>{{900, 900}}));
    surface.calls.clear();
    host.mode = LayoutMode::Simple;
    commands().printForCurrentLayout();
    EXPECT_EQ(itemCorners(), (QList<QPointF>{{300, 300}}));
    surface.calls.clear();
    host.mode = LayoutMode::None;
    commands().printForCurrentLayout();
    EXPECT_TRUE(surface.calls.isEmpty());
}

// The hot key: one job per press, whatever the number of ticks the key stays down.
TEST(F1PollerTest, StartsOneJobPerPress) {
    FakeKeyServices keys;
    Timer timer(QStringLiteral("列印熱鍵"), 300);
    int jobs = 0;
    F1Poller poller(keys, timer, [&] { ++jobs; });
    timer.fire();
    EXPECT_EQ(jobs, 0);
    keys.press();
    timer.fire();
    timer.fire();
    timer.fire();
    EXPECT_EQ(jobs, 1) << "a held key prints once";
    keys.release();
    timer.fire();
    EXPECT_EQ(jobs, 1);
    // A tap that goes down and up between two ticks.
    keys.press();
    keys.release();
    timer.fire();
    EXPECT_EQ(jobs, 2);
    keys.press();
    timer.fire();
    EXPECT_EQ(jobs, 3);
}

TEST(F1PollerTest, KeyAlreadyDownWhenPollingStartsDoesNotPrint) {
    FakeKeyServices keys;
    keys.press();
    Timer timer(QStringLiteral("列印熱鍵"), 300);
    int jobs = 0;
    F1Poller poller(keys, timer, [&] { ++jobs; });
    timer.fire();
    EXPECT_EQ(jobs, 0);
}

TEST(F1PollerTest, TickDuringAJobDoesNotStartAnother) {
    FakeKeyServices keys;
    Timer timer(QStringLiteral("列印熱鍵"), 300);
    int jobs = 0;
    F1Poller* self = nullptr;
    F1Poller poller(keys, timer, [&] {
        ++jobs;
        // A message box's event loop lets the timer tick inside the job.
        keys.release();
        keys.press();
        self->poll();
    });
    self = &poller;
    keys.press();
    timer.fire();
    EXPECT_EQ(jobs, 1);
}

} // namespace
} // namespace brevmark::test
