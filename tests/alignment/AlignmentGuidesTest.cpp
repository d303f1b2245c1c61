#include "alignment/AlignmentGuides.h"
#include "alignment/GuideOffset.h"
#include "alignment/GuidePage.h"
#include "alignment/GuidePicture.h"
#include "alignment/LabelTemplate.h"
#include "alignment/SheetFormat.h"
#include "page/PointerState.h"
#include "platform/LocalFileSystem.h"
#include "records/SettingsKeys.h"
#include "records/SettingsStore.h"
#include "support/RecordingSurface.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDataFolder.h"

#include <gtest/gtest.h>

namespace brevmark::test {
namespace {

// The page as the guides see it: paper repaints counted, the overlay recorded.
class RecordingPage : public GuidePage {
public:
    int paperPaints = 0;
    RecordingSurface surface;
    void repaintPaper() override {
        ++paperPaints;
        surface.calls.clear();
    }
    DrawingSurface& overlay() override { return surface; }
    // The page's paper, laid out anew (erasing the overlay) when it changes.
    PaperSize paper = PaperSize::A4;
    bool landscape = false;
    void usePaper(PaperSize p, bool l) override {
        if (p == paper && l == landscape)
            return;
        paper = p;
        landscape = l;
        repaintPaper();
    }
    // Where the guide was last painted, and how large.
    QRectF guide() const {
        const QList<DrawCall> pictures = surface.ofKind(DrawCall::Picture);
        return pictures.isEmpty() ? QRectF() : pictures.last().rect;
    }
};

class Guides : public ::testing::Test {
protected:
    void writeSettings(const QString& text) {
        folder.writeRecordsFile(QStringLiteral("TOP.reg"), pythonCp950(text));
        store.load();
    }
    QStringList stored(int format) const {
        QStringList values;
        store.forEach(GuideOffset::key(format), [&](const QString& v) { values << v; });
        return values;
    }
    // A press on the handle, then one move with the left button down by (dx, dy).
    void drag(double dx, double dy) {
        guides.handlePress({100, 100});
        guides.handleMove({100 + dx, 100 + dy}, true);
    }

    TempDataFolder folder;
    LocalFileSystem files;
    ScriptedMessageBoxes boxes;
    SettingsStore store{files, folder.location().recordsFolder()};
    RecordingPage page;
    PointerState pointer;
    QString hint;
    AlignmentGuides guides{store, page, pointer, [this](const QString& h) { hint = h; }};
};

TEST_F(Guides, Format24WithNothingStoredGoesToItsDefault) {
    guides.choose(24);
    EXPECT_EQ(page.paperPaints, 1);
    EXPECT_EQ(page.guide(), QRectF(225, 630, 744 * 15, 1025 * 15));
    EXPECT_EQ(guides.handleTag(), 24);
    EXPECT_EQ(guides.handlePosition(), QPointF(225, 630));
    EXPECT_TRUE(guides.isHandleVisible());
}

TEST_F(Guides, EveryFormatStartsAtItsDefaultOffset) {
    for (const SheetFormat& f : SheetFormats::all()) {
        guides.choose(f.number);
        EXPECT_EQ(page.guide().topLeft(), f.defaultOffset) << f.number;
        EXPECT_EQ(page.guide().size(), f.pictureTwips()) << f.number;
    }
    guides.choose(25);
    EXPECT_EQ(guides.handleTag(), 96) << "an unknown format changes nothing";
}

TEST_F(Guides, DraggedFormat30IsStoredAndTheNextChoiceStartsThere) {
    guides.choose(30); // at (120, 510)
    drag(360, -150);
    EXPECT_EQ(guides.handlePosition(), QPointF(480, 360));
    guides.handleRelease();
    EXPECT_EQ(stored(30), QStringList{QStringLiteral("480 360")});
    EXPECT_EQ(page.guide().topLeft(), QPointF(480, 360));
    EXPECT_EQ(pointer.held, 0);

    guides.choose(24);
    guides.choose(30);
    EXPECT_EQ(guides.handlePosition(), QPointF(480, 360));
}

struct DragCase {
    const char* name;
    double dx;
    double dy;
    QPointF expected; // from format 24 at (225, 630)
};

void PrintTo(const DragCase& c, std::ostream* os) {
    *os << c.name;
}

class HandleDrag : public Guides, public ::testing::WithParamInterface<DragCase> {};

TEST_P(HandleDrag, ThirtyTwipThresholdAndClamps) {
    guides.choose(24);
    drag(GetParam().dx, GetParam().dy);
    EXPECT_EQ(guides.handlePosition(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, HandleDrag,
                         ::testing::Values(DragCase{"twentyRight", 20, 0, {225, 630}},
                                           DragCase{"thirtyRight", 30, 0, {225, 630}},
                                           DragCase{"thirtyOneRight", 31, 0, {256, 630}},
                                           DragCase{"thirtyOneLeft", -31, 0, {194, 630}},
                                           DragCase{"thirtyOneUp", 0, -31, {225, 599}},
                                           DragCase{"twentyDown", 0, 20, {225, 630}},
                                           DragCase{"farRightStopsAt1000", 5000, 0, {1000, 630}},
                                           DragCase{"farDownStopsAt1000", 0, 5000, {225, 1000}},
                                           DragCase{"belowSixtyLeftBecomesZero", -170, 0, {0, 630}},
                                           DragCase{"belowSixtyTopBecomesZero", 0, -580, {225, 0}},
                                           DragCase{"bothWays", 100, -100, {325, 530}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Guides, MovingWithoutADragShowsTheHint) {
    guides.choose(24);
    guides.handleMove({200, 200}, false);
    EXPECT_EQ(hint,
              QStringLiteral("表格參考位置錯誤 可以移動修改 (按下滑鼠右鍵，移動調整 對齊表格)"));
    EXPECT_EQ(guides.handlePosition(), QPointF(225, 630));
    // A left button without a press on the handle drags nothing either.
    guides.handleMove({400, 400}, true);
    EXPECT_EQ(guides.handlePosition(), QPointF(225, 630));
}

TEST_F(Guides, ReleasingWithoutMovingStoresTheSameOffsetAgain) {
    guides.choose(68);
    guides.handlePress({10, 10});
    guides.handleRelease();
    EXPECT_EQ(page.paperPaints, 2);
    EXPECT_EQ(page.guide().topLeft(), QPointF(300, 195));
    EXPECT_EQ(stored(68), QStringList{QStringLiteral("300 195")});
}

TEST_F(Guides, TheHandleStoppedAt1000IsKeptAtTheNextChoice) {
    guides.choose(95);
    drag(5000, 5000);
    guides.handleRelease();
    EXPECT_EQ(stored(95), QStringList{QStringLiteral("1000 1000")});
    guides.choose(95);
    EXPECT_EQ(guides.handlePosition(), QPointF(1000, 1000));
}

TEST_F(Guides, ReleaseBeforeAnyChoiceStoresNothing) {
    guides.handlePress({0, 0});
    guides.handleRelease();
    EXPECT_EQ(pointer.held, 0);
    EXPECT_EQ(page.paperPaints, 0);
    EXPECT_TRUE(store.entries().isEmpty());
}

TEST_F(Guides, HidingTheHandleKeepsItsFormatAndPlace) {
    guides.choose(70);
    guides.hideHandle();
    EXPECT_FALSE(guides.isHandleVisible());
    EXPECT_EQ(guides.handleTag(), 70);
    EXPECT_EQ(guides.handlePosition(), QPointF(150, 585));
}

struct StoredCase {
    const char* name;
    const char* settings; // TOP.reg lines for format 24 (default 225, 630)
    QPointF expected;
};

void PrintTo(const StoredCase& c, std::ostream* os) {
    *os << c.name;
}

class StoredOffset : public Guides, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(StoredOffset, ReadPartByPart) {
    writeSettings(QString::fromUtf8(GetParam().settings));
    EXPECT_EQ(GuideOffset::read(store, *SheetFormats::find(24)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoredOffset,
    ::testing::Values(
        StoredCase{"nothing", "", {225, 630}},
        StoredCase{"both", "\"對齊格式位置_24\",\"480 360\"\r\n", {480, 360}},
        StoredCase{"firstPart1200", "\"對齊格式位置_24\",\"1200 300\"\r\n", {225, 300}},
        StoredCase{"secondPart1001", "\"對齊格式位置_24\",\"40 1001\"\r\n", {40, 630}},
        StoredCase{"exactly1000", "\"對齊格式位置_24\",\"1000 1000\"\r\n", {1000, 1000}},
        StoredCase{"threeParts", "\"對齊格式位置_24\",\"1 2 3\"\r\n", {225, 630}},
        StoredCase{"doubleSpace", "\"對齊格式位置_24\",\"1  2\"\r\n", {225, 630}},
        StoredCase{"onePart", "\"對齊格式位置_24\",\"480\"\r\n", {225, 630}},
        StoredCase{"halvesToEven", "\"對齊格式位置_24\",\"6.5 7.5\"\r\n", {6, 8}},
        StoredCase{"notANumberIsZero", "\"對齊格式位置_24\",\"abc 12x\"\r\n", {0, 12}},
        StoredCase{"laterEntryWins",
                   "\"對齊格式位置_24\",\"480 360\"\r\n\"對齊格式位置_24\",\"1500 90\"\r\n",
                   {480, 90}},
        StoredCase{"otherFormatIgnored", "\"對齊格式位置_240\",\"480 360\"\r\n", {225, 630}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace brevmark::test

namespace brevmark::test {
namespace {

// A US Letter sheet of 2 × 3 labels whose first label lies at (1800, 2160) twips.
LabelTemplate letterSheet(const QString& part = QStringLiteral("T6")) {
    LabelTemplate t;
    t.brand = QStringLiteral("Brevtest");
    t.part = part;
    t.paperId = QStringLiteral("US-Letter");
    t.paper = QSizeF(12240, 15840);
    t.labelSize = QSizeF(3600, 1800);
    t.markupMargin = 90;
    t.layouts = {{2, 3, 1800, 2160, 4320, 2160}};
    return t;
}

TEST_F(Guides, ASheetOfTheDatabaseTakesItsPaperAndIsStoredWithItsOffset) {
    ASSERT_TRUE(guides.chooseSheet(letterSheet()));
    EXPECT_EQ(page.paper, PaperSize::Letter);
    EXPECT_FALSE(page.landscape);
    EXPECT_EQ(page.guide().topLeft(), QPointF(1800, 2160));
    EXPECT_EQ(page.guide().size(), QSizeF((4320 + 3600) / 15 * 15 + 15, (2 * 2160 + 1800) + 15));
    EXPECT_EQ(guides.handleTag(), AlignmentGuides::databaseSheetTag);
    EXPECT_EQ(guides.handlePosition(), QPointF(1800, 2160));
    EXPECT_EQ(store.value(settings_keys::alignmentSheet), QStringLiteral("Brevtest T6"));
    EXPECT_EQ(store.value(settings_keys::alignmentSheetOffset), QStringLiteral("1800 2160"));
    EXPECT_EQ(guides.sheetShift(), QPointF(0, 0));

    // Its handle reaches 1000 twips beyond where the sheet starts; the release stores the place.
    drag(-331, 5000);
    EXPECT_EQ(guides.handlePosition(), QPointF(1469, 3160));
    guides.handleRelease();
    EXPECT_EQ(store.value(settings_keys::alignmentSheetOffset), QStringLiteral("1469 3160"));
    EXPECT_EQ(page.guide().topLeft(), QPointF(1469, 3160));
    EXPECT_EQ(guides.sheetShift(), QPointF(-331, 1000));

    // The next choice of the same sheet starts there; another sheet starts afresh.
    guides.choose(24);
    EXPECT_EQ(guides.chosenSheet(), nullptr);
    ASSERT_TRUE(guides.chooseSheet(letterSheet()));
    EXPECT_EQ(guides.handlePosition(), QPointF(1469, 3160));
    ASSERT_TRUE(guides.chooseSheet(letterSheet(QStringLiteral("T7"))));
    EXPECT_EQ(guides.handlePosition(), QPointF(1800, 2160));
    EXPECT_EQ(store.value(settings_keys::alignmentSheet), QStringLiteral("Brevtest T7"));
    EXPECT_EQ(store.value(settings_keys::alignmentSheetOffset), QStringLiteral("1800 2160"));
}

TEST_F(Guides, ASheetOnAPaperThePageLacksIsNotChosen) {
    LabelTemplate a3 = letterSheet();
    a3.paper = QSizeF(16838, 23811);
    EXPECT_FALSE(guides.chooseSheet(a3));
    EXPECT_EQ(page.paperPaints, 0);
    EXPECT_FALSE(guides.isHandleVisible());
    EXPECT_TRUE(store.entries().isEmpty());
}

TEST_F(Guides, AStoredChoiceAndOffsetAreReadBack) {
    writeSettings(
        QStringLiteral("\"對齊標籤紙\",\"brevtest t6\"\r\n\"對齊標籤紙位置\",\"1700.5 2300\"\r\n"));
    ASSERT_TRUE(guides.chooseSheet(letterSheet()));
    EXPECT_EQ(guides.handlePosition(), QPointF(1700, 2300)) << "letter case aside, halves to even";
    // A name the settings line cannot hold is stored without the offending characters.
    LabelTemplate odd = letterSheet(QStringLiteral("A,\"B\""));
    EXPECT_EQ(GuideOffset::storedName(odd), QStringLiteral("Brevtest AB"));
}

TEST(DatabaseGuidePicture, LabelsOffThePaperNeverMakeItLargerThanThePaper) {
    LabelTemplate wrong = letterSheet();
    wrong.layouts.append({1, 1, 100000, 120000, 0, 0}); // far beyond the Letter paper
    const QImage image = GuidePicture::draw(wrong);
    EXPECT_LE(image.width(), 12240 / 15 + 1);
    EXPECT_LE(image.height(), 15840 / 15 + 1);
    EXPECT_EQ(GuideOffset::sheetDefault(wrong), QPointF(1800, 2160));
}

TEST(DatabaseGuidePicture, EachLabelOutlinedOnTheNearestPixel) {
    const QImage image = GuidePicture::draw(letterSheet());
    // From the first label's corner: 2 columns 4320 twips (288 pixels) apart, 3 rows 144 apart.
    ASSERT_EQ(image.size(), QSize(288 + 240 + 1, 2 * 144 + 120 + 1));
    const QColor red = GuidePicture::outline();
    const QColor grey = GuidePicture::field();
    for (int column = 0; column < 2; ++column)
        for (int row = 0; row < 3; ++row) {
            const int x = column * 288, y = row * 144;
            EXPECT_EQ(image.pixelColor(x, y + 60), red) << column << row << " left edge";
            EXPECT_EQ(image.pixelColor(x + 240, y + 60), red) << column << row << " right edge";
            EXPECT_EQ(image.pixelColor(x + 120, y), red) << column << row << " top edge";
            EXPECT_EQ(image.pixelColor(x + 120, y + 120), red) << column << row << " bottom edge";
            EXPECT_EQ(image.pixelColor(x + 120, y + 60), grey) << column << row << " inside";
        }
    EXPECT_EQ(image.pixelColor(264, 60), grey) << "between the columns";
    EXPECT_EQ(image.colorCount(), 2);
}

} // namespace
} // namespace brevmark::test
