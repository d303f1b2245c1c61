// The rules of the import grid that its window follows: the row range, the columns, the hover
// cell, the table function panel, the editor's arrow keys, the scroll bars, the frame and the
// settings it opens with.
#include "ImportFixture.h"

#include "import/EditorMoves.h"
#include "import/GridPainter.h"
#include "import/ImportFrameLayout.h"
#include "import/ImportSettings.h"
#include "import/ImportToolbar.h"
#include "import/ScrollBarCheck.h"
#include "import/TableFunctions.h"
#include "import/WindowGrip.h"
#include "platform/LocalFileSystem.h"
#include "records/SettingsStore.h"
#include "support/RecordingSurface.h"
#include "support/TempDataFolder.h"

#include <gtest/gtest.h>

using namespace brevmark;
using namespace brevmark::test;

namespace {

TEST(RowRange, TheHandleMovesOneRowAPointerMoveAndNeverAboveTheFirstRow) {
    RowRange range;
    EXPECT_EQ(range.count(), 1);
    EXPECT_EQ(range.handleTop(), 90);
    range.press(100);
    EXPECT_FALSE(range.drag(310)) << "210 below the press point is not enough";
    // The pointer stays 211 below the press point in the handle's coordinates while the handle
    // follows it down, one row a move.
    for (int step = 0; step < 5; ++step)
        EXPECT_TRUE(range.drag(311));
    EXPECT_EQ(range.handleTop(), 90 + 5 * 210);
    EXPECT_EQ(range.guideY(), range.handleTop() + 210);
    EXPECT_EQ(range.count(), 1) << "the range changes on release";
    EXPECT_EQ(range.apply().newLast, 5);
    EXPECT_EQ(range.count(), 6);
    EXPECT_EQ(range.gridHeight(), 90 + 5 * 210 + 420);

    range.press(100);
    for (int step = 0; step < 8; ++step)
        range.drag(-111);
    EXPECT_EQ(range.handleTop(), 90);
    EXPECT_EQ(range.apply().newLast, 0);
}

TEST(RowRange, DraggingStopsAtOneHundredFiftyRowsAndSetRangeTakesOneMore) {
    RowRange range;
    range.setRange(149);
    range.press(0);
    EXPECT_TRUE(range.drag(211));
    EXPECT_FALSE(range.drag(211));
    EXPECT_EQ(range.apply().newLast, 149);
    range.setRange(151); // the spreadsheet import's header row, for a moment
    EXPECT_EQ(range.last(), 150);
    range.setRange(500);
    EXPECT_EQ(range.last(), 150);
}

TEST(ImportColumns, HeadersFollowTheirCaptionsAndEachOther) {
    ImportColumns columns(hundredPerCharacter);
    columns.setCount(4);
    columns.resetWidths();
    EXPECT_EQ(columns.caption(3), QStringLiteral("自訂"));
    EXPECT_EQ(columns.left(0), 585);
    EXPECT_EQ(columns.width(0), 200 + 480);
    EXPECT_EQ(columns.left(1), 585 + 680 + 15);
    EXPECT_EQ(columns.captionLeft(0), 585 + 340 - 100);
    EXPECT_EQ(columns.stripWidth(), columns.right(3) + 15);
    EXPECT_EQ(columns.columnAt(585), -1) << "edges belong to no column";
    EXPECT_EQ(columns.columnAt(600), 0);
    EXPECT_EQ(columns.columnAt(columns.left(3) + 1), 3);

    EXPECT_FALSE(columns.dragTo(1, 320)) << "no narrower than the caption + 120";
    EXPECT_TRUE(columns.dragTo(1, 1000));
    EXPECT_EQ(columns.left(2), columns.left(1) + 1000 + 15);
    EXPECT_TRUE(columns.onSizingBand(1, 881));
    EXPECT_FALSE(columns.onSizingBand(1, 880));

    const double width = columns.width(2);
    EXPECT_FALSE(columns.fitTo(2, {"a", "bc", ""})) << "short cells keep the width";
    EXPECT_EQ(columns.width(2), width);
    EXPECT_TRUE(columns.fitTo(2, {"a", "abcdefgh"}));
    EXPECT_EQ(columns.width(2), 800 + 120);
    EXPECT_EQ(columns.left(3), columns.right(2) + 15);
}

TEST(ImportGrid, HoverPicksTheCellUnderThePointerWithinTheRange) {
    ImportGrid grid = openedGrid();
    grid.range().setRange(3);
    const double x = grid.columns().left(2) + 50;
    const std::optional<QRectF> frame = grid.hover({x, 2 * 210 + 100});
    ASSERT_TRUE(frame.has_value());
    EXPECT_EQ(grid.currentRow(), 2);
    EXPECT_EQ(grid.currentColumn(), 2);
    EXPECT_EQ(*frame, QRectF(grid.columns().left(2) - 15, 420, grid.columns().width(2) + 30, 225));
    // On a row line the row stays as it was.
    ASSERT_TRUE(grid.hover({grid.columns().left(0) + 5, 210}).has_value());
    EXPECT_EQ(grid.currentRow(), 2);
    EXPECT_EQ(grid.currentColumn(), 0);
    EXPECT_FALSE(grid.hover({500, 100}).has_value()) << "over the row labels";
    EXPECT_FALSE(grid.hover({x, 3 * 210 + 1}).has_value()) << "below the last row";
}

TEST(TableFunctions, EachModeOffersOnlyTheMovesThatStayInTheTable) {
    using F = TableFunctions;
    ImportGrid grid = openedGrid();
    using O = F::Offered;
    // One row: only clearing; a column in the middle: clear and both moves.
    EXPECT_EQ(F::offered(F::Mode::Row, 0, grid),
              (O{false, false, true, false, false, false, false}));
    EXPECT_EQ(F::offered(F::Mode::Column, 0, grid),
              (O{false, false, true, false, false, false, true}));
    EXPECT_EQ(F::offered(F::Mode::Column, 3, grid),
              (O{false, false, true, false, false, true, false}));
    grid.range().setRange(3);
    EXPECT_EQ(F::offered(F::Mode::Row, 0, grid), (O{false, true, true, false, true, false, false}));
    EXPECT_EQ(F::offered(F::Mode::Row, 1, grid), (O{false, true, true, true, true, false, false}));
    EXPECT_EQ(F::offered(F::Mode::Row, 2, grid), (O{false, true, true, true, false, false, false}));
    EXPECT_EQ(F::frameTag(F::Mode::Row), QStringLiteral("寬"));
    EXPECT_EQ(F::frameTag(F::Mode::Column), QStringLiteral("高"));

    const std::pair<double, int> bands[] = {{45, -1},  {46, 0},   {405, 0},  {406, 1},  {765, 1},
                                            {766, 2},  {1170, 2}, {1171, 3}, {1530, 3}, {1531, 4},
                                            {1890, 4}, {1891, 5}, {2250, 5}, {2251, 6}, {9000, 6}};
    for (const auto& [x, item] : bands)
        EXPECT_EQ(F::itemAt(x), item) << x;
}

TEST(TableFunctions, RowsAndColumnsMoveTheirCellsOnly) {
    using F = TableFunctions;
    ImportGrid grid = openedGrid();
    grid.range().setRange(3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            grid.cells().setText(r, c, QStringLiteral("%1%2").arg(r).arg(c));
    grid.cells().setText(3, 0, QStringLiteral("hidden"));
    const QString caption1 = grid.columns().caption(1);

    EXPECT_TRUE(F::perform(F::RowDown, F::Mode::Row, 0, grid));
    EXPECT_EQ(column(grid, 0, 2), (QStringList{"10", "00", "20"}));
    EXPECT_TRUE(F::perform(F::ColumnRight, F::Mode::Column, 0, grid));
    EXPECT_EQ(column(grid, 1, 2), (QStringList{"10", "00", "20"}));
    EXPECT_EQ(grid.cells().text(3, 1), QString()) << "rows beyond the range are not moved";
    EXPECT_EQ(grid.columns().caption(1), caption1) << "captions stay with their columns";
    EXPECT_TRUE(F::perform(F::Clear, F::Mode::Column, 1, grid));
    EXPECT_EQ(column(grid, 1, 2), (QStringList{"", "", ""}));
    EXPECT_FALSE(F::perform(F::RowUp, F::Mode::Row, 0, grid)) << "not offered";

    EXPECT_TRUE(F::perform(F::RemoveRow, F::Mode::Row, 0, grid));
    EXPECT_EQ(grid.range().count(), 2);
    EXPECT_EQ(grid.cells().text(0, 2), QStringLiteral("02"));
    EXPECT_EQ(grid.cells().text(2, 2), QString()) << "the last row is emptied";
    EXPECT_EQ(grid.cells().text(3, 0), QStringLiteral("hidden"));
}

TEST(EditorMoves, ArrowsLeaveTheCellOnlyAtTheTextsEdges) {
    using namespace editor_moves;
    struct Case {
        Arrow arrow;
        Cell from;
        Caret caret;
        std::optional<Cell> to;
    };
    const Caret middle{false, false};
    const Caret end{false, true};
    const Caret start{true, false};
    const Case cases[] = {
        {Arrow::Up, {0, 1}, middle, std::nullopt},    {Arrow::Up, {3, 1}, middle, Cell{2, 1}},
        {Arrow::Down, {3, 1}, middle, Cell{4, 1}},    {Arrow::Down, {5, 1}, middle, std::nullopt},
        {Arrow::Right, {1, 1}, middle, std::nullopt}, {Arrow::Right, {1, 1}, end, Cell{1, 2}},
        {Arrow::Right, {1, 3}, end, std::nullopt},    {Arrow::Left, {1, 1}, start, Cell{1, 0}},
        {Arrow::Left, {1, 0}, start, std::nullopt},   {Arrow::Left, {1, 2}, middle, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(target(c.arrow, c.from, c.caret, 5, 4), c.to)
            << int(c.arrow) << " from " << c.from.row << "," << c.from.column;
}

TEST(ScrollBarCheck, BarsShowWhenTheGridOutgrowsTheViewport) {
    const ScrollBarCheck small = ScrollBarCheck::of({5000, 720}, {10000, 5000});
    EXPECT_FALSE(small.verticalShown);
    EXPECT_FALSE(small.horizontalShown);
    EXPECT_EQ(small.verticalMaximum, 0);
    // 150 rows: 90 + 149 * 210 + 420 twips high.
    const ScrollBarCheck tall = ScrollBarCheck::of({12000, 31800}, {11000, 5700});
    EXPECT_TRUE(tall.verticalShown);
    EXPECT_EQ(tall.verticalMaximum, 117); // (31800 - 3700 + 20) / 240 = 117.17
    EXPECT_TRUE(tall.horizontalShown);
    EXPECT_EQ(tall.horizontalMaximum, 13); // (12000 - 9000 + 20) / 240 = 12.58
    EXPECT_EQ(ScrollBarCheck::gridTop(2), 300 - 480);
    EXPECT_EQ(ScrollBarCheck::gridLeft(3), -720);
}

TEST(ImportFrameLayout, PiecesFrameTheViewportAndTheGroupStandsTopRight) {
    const ImportFrameLayout f = ImportFrameLayout::compute({11970, 7170}, false);
    EXPECT_EQ(f.pieces[2].right(), 11970);
    EXPECT_EQ(f.pieces[7].bottomRight(), QPointF(11970, 7170));
    EXPECT_EQ(f.pieces[1].left(), f.pieces[0].right());
    EXPECT_EQ(f.pieces[1].right(), f.pieces[2].left());
    EXPECT_EQ(f.viewport, QRectF(90, 480, 11970 - 180, 7170 - 480 - 480));
    EXPECT_EQ(f.verticalBar, QRectF(f.viewport.right() - 210, 465, 210, f.viewport.height() + 15));
    EXPECT_EQ(f.horizontalBar.width(), f.viewport.width() - 210);
    EXPECT_EQ(f.horizontalBar.bottom(), f.viewport.bottom());
    EXPECT_EQ(f.hint.topLeft(), QPointF(240, 7170 - 480 + 165));
    EXPECT_EQ(f.captionGroup.right(), f.pieces[2].left());
    EXPECT_EQ(f.closeButtonLeft, 780);
    const ImportFrameLayout small = ImportFrameLayout::compute({15000, 9000}, true);
    EXPECT_FALSE(small.maximiseButtonShown);
    EXPECT_EQ(small.closeButtonLeft, 390) << "the close button takes the maximise button's place";
    EXPECT_EQ(small.captionGroup.width(), 780);
}

TEST(ImportToolbar, BandsAreOpenIntervals) {
    using namespace import_toolbar;
    EXPECT_EQ(at({2281, 200}), Import);
    EXPECT_EQ(at({2280, 200}), None);
    EXPECT_EQ(at({4700, 200}), None);
    EXPECT_EQ(at({4711, 419}), Save);
    EXPECT_EQ(at({5000, 420}), None);
}

TEST(WindowGrip, SidesFollowPastSixtyTwipsAndSnapToTheMinimum) {
    EXPECT_TRUE(WindowGrip::onGrip({11800, 7000}, {11970, 7170}));
    EXPECT_FALSE(WindowGrip::onGrip({11700, 7000}, {11970, 7170}));
    QPointF press(100, 100);
    QSizeF size(12500, 8000);
    const QSizeF minimum(12000, 7200);
    EXPECT_FALSE(WindowGrip::drag({150, 160}, press, size, minimum));
    EXPECT_TRUE(WindowGrip::drag({100, 161}, press, size, minimum));
    EXPECT_EQ(size, QSizeF(12500, 8061));
    EXPECT_EQ(press, QPointF(100, 161));
    EXPECT_TRUE(WindowGrip::drag({-900, 161}, press, size, minimum));
    EXPECT_EQ(size, QSizeF(12000, 8061)) << "snapped back to the minimum width";
    EXPECT_FALSE(WindowGrip::drag({-1000, 161}, press, size, minimum)) << "no narrower";
}

class ImportSettingsTest : public ::testing::Test {
protected:
    TempDataFolder folder;
    LocalFileSystem files;
    ScriptedMessageBoxes messages;
    SettingsStore store{files, folder.location().recordsFolder()};
    ImportSettings read(const QString& settings, QSizeF screen = {28800, 16200}) {
        folder.writeRecordsFile(SettingsStore::fileName(), pythonCp950(settings));
        store.load();
        return ImportSettings::read(store, screen);
    }
};

TEST_F(ImportSettingsTest, WithoutSettingsFourColumnsUnderTheDefaultCaptions) {
    const ImportSettings s = read(QString());
    EXPECT_EQ(s.columnCount, 4);
    EXPECT_EQ(s.captions[0], QStringLiteral("條碼"));
    EXPECT_EQ(s.captions[1], QStringLiteral("種類"));
    EXPECT_EQ(s.captions[2], QStringLiteral("名稱"));
    EXPECT_EQ(s.captions[3], QStringLiteral("自訂"));
    EXPECT_FALSE(s.geometry.has_value());
    EXPECT_FALSE(s.maximised);
}

TEST_F(ImportSettingsTest, KeysApplyInTableOrder) {
    const ImportSettings s =
        read(QStringLiteral("\"匯入視窗大小\",\"2 0 0 0 0\"\r\n"
                            "\"匯入視窗大小\",\"0 300 450 13000 8000\"\r\n"
                            "\"標籤_數量\",\"5\"\r\n\"標籤_數量\",\"9\"\r\n"
                            "\"標籤A\",\"條碼★品類★品名★價格★自訂★自訂★自訂★自訂★自訂★"
                            "自訂★自訂★自訂\"\r\n"));
    EXPECT_FALSE(s.maximised);
    EXPECT_EQ(s.geometry, QRectF(300, 450, 13000, 8000));
    EXPECT_EQ(s.columnCount, 6) << "a count the record manager cannot set is passed over";
    EXPECT_EQ(s.captions[1], QStringLiteral("品類"));
    EXPECT_EQ(s.captions[3], QStringLiteral("價格"));
}

TEST_F(ImportSettingsTest, OnlyFivePartsCountAndASizeIsNeverBelowTheDesignSize) {
    EXPECT_FALSE(read(QStringLiteral("\"匯入視窗大小\",\"0 1 2 3\"\r\n")).geometry.has_value());
    EXPECT_TRUE(read(QStringLiteral("\"匯入視窗大小\",\"2 1 2 3 4\"\r\n")).maximised);
    EXPECT_EQ(read(QStringLiteral("\"匯入視窗大小\",\"1 10 20 0 5\"\r\n")).geometry,
              QRectF(10, 20, 11970, 7170));
}

TEST_F(ImportSettingsTest, ASmallScreenAlwaysOpensMaximised) {
    const QString stored = QStringLiteral("\"匯入視窗大小\",\"0 300 450 13000 8000\"\r\n");
    for (const double pixels : {450.0, 600.0}) {
        const ImportSettings s = read(stored, {800 * 15, pixels * 15});
        EXPECT_TRUE(s.smallScreen);
        EXPECT_TRUE(s.maximised);
        EXPECT_FALSE(s.geometry.has_value()) << "the stored size is ignored";
    }
    EXPECT_FALSE(read(stored, {1024 * 15, 768 * 15}).smallScreen);
    EXPECT_EQ(ImportSettings::placementText(2, QRectF(15, 30.5, 12000, 7200)),
              QStringLiteral("2 15 30.5 12000 7200"));
}

TEST(GridPainter, RowsAlternateAndLinesCloseTheRange) {
    ImportGrid grid = openedGrid();
    grid.range().setRange(3);
    grid.cells().setText(1, 2, QStringLiteral("蘋果"));
    grid.cells().setText(3, 2, QStringLiteral("hidden"));
    RecordingSurface surface;
    grid_painter::drawGrid(surface, grid);
    const QList<DrawCall> fills = surface.ofKind(DrawCall::FillRect);
    ASSERT_EQ(fills.size(), 4 * 3);
    EXPECT_EQ(fills[0].color, QColor(Qt::white));
    EXPECT_EQ(fills[1].color, grid_painter::oddRow());
    EXPECT_EQ(fills[1].rect, QRectF(585, 210, grid.columns().width(0), 210));
    EXPECT_EQ(surface.texts(), (QList<QString>{"蘋果"})) << "rows beyond the range are not drawn";
    const QList<DrawCall> texts = surface.ofKind(DrawCall::Text);
    EXPECT_EQ(texts[0].from, QPointF(grid.columns().left(2) + 30, 210 + 30));

    const QList<DrawCall> lines = surface.ofKind(DrawCall::Line);
    // Three row tops, three column lines, the bottom and the right edge.
    ASSERT_EQ(lines.size(), 3 + 3 + 2);
    EXPECT_EQ(lines[0].color, grid_painter::firstRowLine());
    EXPECT_EQ(lines[1].color, grid_painter::lineColour());
    EXPECT_EQ(lines[3].from, QPointF(grid.columns().right(0), 0));
    EXPECT_EQ(lines[6].from, QPointF(240, 630));
    EXPECT_EQ(lines[6].color, grid_painter::edgeColour());
    EXPECT_EQ(lines[7].from.x(), grid.columns().stripWidth() - 15);
}

} // namespace
