#include "PrintDoubles.h"

#include "print/CalibrationSheets.h"
#include "print/PrintSettings.h"
#include "print/ResolutionCalibration.h"
#include "print/ResolutionLevels.h"
#include "support/ScriptedMessageBoxes.h"

#include "support/RowNames.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace brevmark::test {
namespace {

namespace levels = resolution_levels;

// Lines of the row whose top is y, by x.
QList<double> rowLines(const RecordingSurface& surface, double y) {
    QList<double> xs;
    for (const DrawCall& c : surface.ofKind(DrawCall::Line))
        if (qAbs(c.from.y() - y) < 1e-9)
            xs.append(c.from.x());
    return xs;
}

TEST(CalibrationSheetTest, StandardRowA3StartsOnItsGridAndStepsTwoResolutions) {
    RecordingSurface surface;
    CalibrationSheets::drawStandard(surface);
    const double y = 150 + 2 * 350;
    const QList<double> xs = rowLines(surface, y);
    ASSERT_FALSE(xs.isEmpty());
    EXPECT_DOUBLE_EQ(xs.first(), 245);
    EXPECT_DOUBLE_EQ(xs[1], 259);
    EXPECT_LE(xs.last(), 3500 + 7.0);
    EXPECT_GT(xs.last() + 14, 3500);
    const QList<DrawCall> texts = surface.ofKind(DrawCall::Text);
    EXPECT_EQ(texts[3].text, QStringLiteral("A3"));
    EXPECT_EQ(texts[3].from, QPointF(0, y + 45));
    EXPECT_TRUE(texts[3].font.bold);
    EXPECT_EQ(texts[3].font.pointSize, 10);
    for (const DrawCall& line : surface.ofKind(DrawCall::Line))
        ASSERT_DOUBLE_EQ(line.to.y() - line.from.y(), 300);
}

TEST(CalibrationSheetTest, StandardSheetMarksDenseDefaultAndSparseInWhite) {
    RecordingSurface surface;
    CalibrationSheets::drawStandard(surface);
    QStringList white;
    for (const DrawCall& t : surface.ofKind(DrawCall::Text))
        if (t.color == QColor(Qt::white))
            white << t.text + QLatin1Char('@') + QString::number(t.from.y());
    EXPECT_EQ(white, (QStringList{QStringLiteral("密集@195"), QStringLiteral("預設@1595"),
                                  QStringLiteral("稀疏@2995")}));
    EXPECT_EQ(surface.count(DrawCall::NewPage), 0);
}

TEST(CalibrationSheetTest, AdvancedSheetsHoldB0ToB60OnPageOne) {
    RecordingSurface surface;
    CalibrationSheets::drawAdvanced(surface);
    QStringList pageOne, pageTwo;
    bool second = false;
    for (const DrawCall& c : surface.calls) {
        if (c.kind == DrawCall::NewPage)
            second = true;
        if (c.kind == DrawCall::Text && c.text.startsWith(QLatin1Char('B')))
            (second ? pageTwo : pageOne) << c.text;
    }
    ASSERT_EQ(pageOne.size(), 61);
    EXPECT_EQ(pageOne.first(), QStringLiteral("B0"));
    EXPECT_EQ(pageOne.last(), QStringLiteral("B60"));
    ASSERT_EQ(pageTwo.size(), 60);
    EXPECT_EQ(pageTwo.first(), QStringLiteral("B61"));
    EXPECT_EQ(pageTwo.last(), QStringLiteral("B120"));
    EXPECT_EQ(surface.count(DrawCall::NewPage), 1);
    const QList<QString> texts = surface.texts();
    EXPECT_EQ(texts[61], QStringLiteral("找出距離最細小且最密集的編號"));
    EXPECT_EQ(texts.last(), QStringLiteral("最密集但不重疊為主【預設號B78】"));
    // Row B0 (15 twips): round(420 / 15) = 28 → 420, first line at 435.
    EXPECT_DOUBLE_EQ(rowLines(surface, 150).first(), 435);
}

TEST(CalibrationSheetTest, PrintsOneDocumentOrTellsThereIsNoPrinter) {
    RecordingSurface surface;
    CalibrationSheets sheets(recordingFactory(surface));
    EXPECT_EQ(sheets.printAdvanced(), CalibrationSheets::Outcome::Printed);
    EXPECT_EQ(surface.calls.last().kind, DrawCall::EndDocument);

    RecordingSurface none;
    none.available = false;
    EXPECT_EQ(CalibrationSheets(recordingFactory(none)).printStandard(),
              CalibrationSheets::Outcome::NoPrinter);
    EXPECT_TRUE(none.calls.isEmpty());
}

// Printers whose driver keeps margins the printer cannot ink: a sheet whose row names or lines
// fall there loses them, and the user can no longer tell the rows apart.
struct MarginCase {
    const char* name;
    QSizeF page;       // twips
    QRectF printable;  // twips
};

class CalibrationInsideMargins : public ::testing::TestWithParam<MarginCase> {};

TEST_P(CalibrationInsideMargins, EveryNameAndLineLiesInThePrintableArea) {
    const MarginCase c = GetParam();
    for (auto draw : {&CalibrationSheets::drawStandard, &CalibrationSheets::drawAdvanced}) {
        RecordingSurface surface;
        surface.page = c.page;
        surface.printable = c.printable;
        draw(surface);
        int names = 0;
        for (const DrawCall& call : surface.calls) {
            if (call.kind == DrawCall::Text) {
                const QRectF box(call.from, QSizeF(surface.textWidth(call.text, call.font),
                                                   surface.textHeight(call.font)));
                EXPECT_TRUE(c.printable.contains(box)) << call.text.toStdString();
                static const QRegularExpression rowName(QStringLiteral("^[AB][0-9]+$"));
                names += rowName.match(call.text).hasMatch() ? 1 : 0;
            } else if (call.kind == DrawCall::Line) {
                EXPECT_TRUE(c.printable.contains(call.from) && c.printable.contains(call.to))
                    << call.from.x() << "," << call.from.y();
            }
        }
        EXPECT_TRUE(names == 9 || names == 121) << names << " row names";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Drivers, CalibrationInsideMargins,
    ::testing::Values(
        // The LaserJet driver on US Letter: a quarter inch at the sides, half an inch top and bottom.
        MarginCase{"LaserJetLetter", QSizeF(12240, 15840), QRectF(360, 720, 11520, 14400)},
        MarginCase{"LaserJetA4", QSizeF(11906, 16838), QRectF(360, 720, 11160, 15398)},
        MarginCase{"NoMargins", QSizeF(11906, 16838), QRectF(0, 0, 11906, 16838)}),
    [](const ::testing::TestParamInfo<MarginCase>& info) {
        return std::string(info.param.name);
    });

struct LevelCase {
    int advanced;
    const char* stored;
    const char* standard;
};

class AdvancedChoiceTest : public ::testing::TestWithParam<LevelCase> {};

TEST_P(AdvancedChoiceTest, SetsAndStoresTheResolutionAndNamesTheStandardLevel) {
    PrintSettings settings{0, Fixed4::fromRaw(72000)};
    Fixed4& r = settings.resolution;
    QStringList stored;
    ResolutionCalibration panel(settings, [&](const QString& text) { stored << text; });
    panel.open();
    panel.chooseAdvanced(levels::advancedName(GetParam().advanced));
    EXPECT_EQ(stored, QStringList{QString::fromUtf8(GetParam().stored)});
    EXPECT_EQ(r.toText(), QString::fromUtf8(GetParam().stored));
    EXPECT_EQ(panel.standardText(), QString::fromUtf8(GetParam().standard));
    EXPECT_EQ(panel.advancedText(), levels::advancedName(GetParam().advanced));
}

INSTANTIATE_TEST_SUITE_P(Levels, AdvancedChoiceTest,
                         ::testing::Values(LevelCase{80, "7", "A3"}, LevelCase{79, "7.1", "A4"},
                                           LevelCase{77, "7.3", "A6"}, LevelCase{100, "5", ""},
                                           LevelCase{0, "15", ""}, LevelCase{120, "3", ""},
                                           LevelCase{82, "6.8", "A1"}),
                         [](const auto& info) {
                             return rowName(QStringLiteral("level %1").arg(info.param.advanced));
                         });

TEST(ResolutionCalibrationTest, OpensOnTheDefaultLevels) {
    PrintSettings settings{0, Fixed4::fromRaw(72000)};
    Fixed4& r = settings.resolution;
    int stores = 0;
    ResolutionCalibration panel(settings, [&](const QString&) { ++stores; });
    panel.open();
    EXPECT_EQ(panel.standardText(), QStringLiteral("A5"));
    EXPECT_EQ(panel.advancedText(), QStringLiteral("B78"));
    EXPECT_EQ(panel.level(), 5);
    EXPECT_TRUE(panel.arrowShown());
    EXPECT_FALSE(panel.advancedMode());
    EXPECT_EQ(stores, 0);
}

TEST(ResolutionCalibrationTest, OffTheStandardScaleOpensInTheAdvancedMode) {
    PrintSettings settings{0, Fixed4::fromRaw(72000)};
    Fixed4& r = settings.resolution;
    ResolutionCalibration panel(settings, {});
    panel.open();
    panel.chooseAdvanced(QStringLiteral("B100"));
    EXPECT_TRUE(panel.standardText().isEmpty());
    EXPECT_FALSE(panel.arrowShown());
    ResolutionCalibration reopened(settings, {});
    reopened.open();
    EXPECT_TRUE(reopened.advancedMode());
    EXPECT_EQ(reopened.advancedText(), QStringLiteral("B100"));
}

TEST(ResolutionCalibrationTest, ChoosingTheCurrentStandardLevelWritesNothing) {
    PrintSettings settings{0, Fixed4::fromRaw(68000)};
    Fixed4& r = settings.resolution;
    QStringList stored;
    ResolutionCalibration panel(settings, [&](const QString& text) { stored << text; });
    panel.open();
    panel.chooseStandard(QStringLiteral("A1"));
    EXPECT_TRUE(stored.isEmpty());
    panel.chooseStatusPicture(9);
    EXPECT_EQ(stored, QStringList{QStringLiteral("7.6")});
    EXPECT_EQ(panel.standardText(), QStringLiteral("A9"));
    EXPECT_EQ(panel.advancedText(), QStringLiteral("B74"));
    EXPECT_EQ(panel.level(), 9);
}

TEST(ResolutionLevelsTest, ScalesMeetAtTheDefault) {
    EXPECT_EQ(levels::standardValue(5), levels::advancedValue(78));
    EXPECT_EQ(levels::standardValue(1).toText(), QStringLiteral("6.8"));
    EXPECT_EQ(levels::standardValue(9).toText(), QStringLiteral("7.6"));
    EXPECT_EQ(levels::advancedNameFor(Fixed4::fromRaw(0)), QStringLiteral("B150"));
    EXPECT_EQ(levels::advancedNameFor(Fixed4::fromRaw(-200000)), QStringLiteral("B255"));
    EXPECT_EQ(levels::advancedNameFor(Fixed4::fromRaw(200000)), QStringLiteral("B0"));
}

} // namespace
} // namespace brevmark::test
