#include "symbology/PrintedSymbol.h"
#include "QStringPrinting.h"
#include "symbology/BarcodeAppearance.h"

#include "support/RecordingSurface.h"


#include <gtest/gtest.h>

using namespace brevmark;
using brevmark::test::DrawCall;
using brevmark::test::RecordingSurface;

namespace {

const Fixed4 r72 = Fixed4::fromRaw(72000);

TEST(PrintedSymbolGrid, SnapsToTheNearestResolutionStepHalvesToEven) {
    EXPECT_EQ(PrintedSymbol::snapToGrid(720, r72), Fixed4::fromRaw(7200000));
    EXPECT_EQ(PrintedSymbol::snapToGrid(1320, r72), Fixed4::fromRaw(13176000)); // 183 × 7.2
    EXPECT_EQ(PrintedSymbol::snapToGrid(120, r72), Fixed4::fromRaw(1224000));   // 17 × 7.2
    EXPECT_EQ(PrintedSymbol::snapToGrid(3.6, r72), Fixed4());                   // 0.5 → 0
    EXPECT_EQ(PrintedSymbol::snapToGrid(10.8, r72), Fixed4::fromRaw(144000));   // 1.5 → 2
    EXPECT_EQ(PrintedSymbol::snapToGrid(-10.8, r72), Fixed4::fromRaw(-144000));
    EXPECT_EQ(PrintedSymbol::snapToGrid(12.5, Fixed4()), Fixed4::fromRaw(125000));
}

// The bar runs of a symbol as module ranges [first, last], left to right.
QList<QPair<int, int>> barRuns(const Code39Symbol& modules) {
    QList<QPair<int, int>> runs;
    for (int m = 0; m < modules.moduleCount(); ++m) {
        if (!modules.isBar(m))
            continue;
        if (!runs.isEmpty() && runs.last().second == m - 1)
            runs.last().second = m;
        else
            runs.append({m, m});
    }
    return runs;
}

TEST(PrintedSymbolGeometry, EachBarIsOneSolidRectangleOfWholeDots) {
    const PrintedSymbol symbol(Code39Symbol::assemble(QStringLiteral("A"), 0), 3, r72, 4.8);
    EXPECT_EQ(symbol.cellWidth(), Fixed4::fromRaw(3456000));
    EXPECT_EQ(symbol.width(), Fixed4::fromRaw(10368000));

    RecordingSurface surface;
    symbol.drawBars(surface, Fixed4::fromRaw(7200000), Fixed4::fromRaw(1000000),
                    Fixed4::fromRaw(5000000));
    EXPECT_TRUE(surface.ofKind(DrawCall::Line).isEmpty()) << "no comb of one-dot lines";
    const QList<QPair<int, int>> runs = barRuns(symbol.symbol());
    const QList<QRectF> bars = surface.blackFills();
    ASSERT_EQ(bars.size(), runs.size());
    for (int i = 0; i < runs.size(); ++i) {
        // From the run's first module to the end of its last one: 3 × 7.2 = 21.6 twips a module
        // is 4.5 dots of 4.8 twips, printed as 4 whole dots (halves to even), wide bars three
        // times that.
        EXPECT_NEAR(bars[i].left(), 720 + runs[i].first * 19.2, 1e-9) << "bar " << i;
        EXPECT_NEAR(bars[i].right(), 720 + (runs[i].second + 1) * 19.2, 1e-9) << "bar " << i;
        EXPECT_EQ(bars[i].top(), 100);
        EXPECT_EQ(bars[i].bottom(), 600);
    }
}

// How wide each module prints for a resolution against the printer's dot: barWidth × resolution
// rounded to whole dots, never less than one; without a known dot, barWidth × resolution.
struct ModuleCase {
    const char* name;
    double resolution;
    double dot;
    int barWidth;
    double narrowBar;
};

class PrintedModuleWidth : public testing::TestWithParam<ModuleCase> {};

TEST_P(PrintedModuleWidth, NarrowBarsAreWholeDotsAndWideBarsTheirMultiple) {
    const ModuleCase c = GetParam();
    const PrintedSymbol symbol(Code39Symbol::assemble(QStringLiteral("0"), 0), c.barWidth,
                               Fixed4::fromDouble(c.resolution), c.dot);
    RecordingSurface surface;
    symbol.drawBars(surface, Fixed4(), Fixed4(), Fixed4::fromRaw(1000000));
    const QList<QRectF> bars = surface.blackFills();
    // The start character begins with a narrow bar; every bar of the symbol is one or three
    // narrow bars wide (ratio 0), whatever the position on the page.
    ASSERT_FALSE(bars.isEmpty());
    EXPECT_NEAR(bars.first().width(), c.narrowBar, 1e-9);
    EXPECT_EQ(bars.first().left(), 0);
    for (const QRectF& bar : bars) {
        const double narrowBars = bar.width() / c.narrowBar;
        EXPECT_TRUE(qAbs(narrowBars - 1) < 1e-9 || qAbs(narrowBars - 3) < 1e-9) << narrowBars;
    }
}

constexpr double dot300 = 4.8;
constexpr double dot203 = 1440.0 / 203;

INSTANTIATE_TEST_SUITE_P(
    ResolutionsAndDots, PrintedModuleWidth,
    testing::Values(ModuleCase{"r72_300dpi_b1_halfDotRoundsToEven", 7.2, dot300, 1, 9.6},
                    ModuleCase{"r72_300dpi_b2", 7.2, dot300, 2, 14.4},
                    ModuleCase{"r72_300dpi_b6", 7.2, dot300, 6, 43.2},
                    ModuleCase{"r48_300dpi_b3", 4.8, dot300, 3, 14.4},
                    ModuleCase{"r68_300dpi_b2", 6.8, dot300, 2, 14.4},
                    ModuleCase{"r15_300dpi_b1", 15, dot300, 1, 14.4},
                    ModuleCase{"r3_300dpi_b1_belowOneDot", 3, dot300, 1, dot300},
                    ModuleCase{"r3_300dpi_b2", 3, dot300, 2, dot300},
                    ModuleCase{"r72_203dpi_b1", 7.2, dot203, 1, dot203},
                    ModuleCase{"r72_203dpi_b2", 7.2, dot203, 2, 2 * dot203},
                    ModuleCase{"r71_203dpi_b3", 7.1, dot203, 3, 3 * dot203},
                    ModuleCase{"r72_noDot_b2", 7.2, 0, 2, 14.4}),
    [](const testing::TestParamInfo<ModuleCase>& info) { return std::string(info.param.name); });

TEST(PrintedSymbolGeometry, LongSymbolsStayOnTheDotGrid) {
    QString text(300, QLatin1Char('W'));
    const Fixed4 r = Fixed4::fromRaw(68000); // 6.8
    const PrintedSymbol symbol(Code39Symbol::assemble(text, 0), 6, r, 4.8);
    RecordingSurface surface;
    symbol.drawBars(surface, Fixed4(), Fixed4(), Fixed4::fromRaw(10000));
    // 6 × 6.8 = 40.8 twips is 8.5 dots, printed as 8: the last bar, the stop cell's last bar
    // module, ends exactly on its dot however many modules came before.
    const int lastBarModule = symbol.symbol().moduleCount() - 2;
    EXPECT_EQ(symbol.moduleDots(), 8);
    EXPECT_NEAR(surface.blackFills().last().right(), (lastBarModule + 1) * 8 * 4.8, 1e-6);
    EXPECT_EQ(symbol.width(), Fixed4::fromRaw(68000LL * 302 * 16 * 6));
}

BarcodeAppearance printedItem(const QString& text) {
    BarcodeAppearance a;
    a.text = text;
    a.widthRatio = 0;
    a.barWidth = 2;
    a.showText = 1;
    a.textAlignment = 0;
    a.symbolLeft = 120;
    a.symbolTop = 120;
    a.barHeight = QStringLiteral("500");
    return a;
}

TEST(PrintBarcodeSymbol, StartsAtTheSnappedSymbolOrigin) {
    BarcodeAppearance a = printedItem(QStringLiteral("AB"));
    RecordingSurface page;
    printBarcodeSymbol(a, QPointF(600, 1200), r72, 4.8, page);
    const QList<QRectF> bars = page.blackFills();
    ASSERT_FALSE(bars.isEmpty());
    EXPECT_DOUBLE_EQ(bars.first().left(), 720);
    EXPECT_DOUBLE_EQ(bars.first().top(), 1317.6);
    EXPECT_DOUBLE_EQ(bars.first().bottom(), 1817.6);

    // On a label the grid point 122.4 is 25.5 dots of 4.8: the bars start on dot 26.
    RecordingSurface label;
    printBarcodeSymbol(a, QPointF(0, 0), r72, 4.8, label);
    EXPECT_DOUBLE_EQ(label.blackFills().first().left(), 124.8);
}

TEST(PrintBarcodeSymbol, SpreadTextSitsAtEachCellsLeftEdgeBeforeItsBars) {
    BarcodeAppearance a = printedItem(QStringLiteral("AB"));
    RecordingSurface page;
    printBarcodeSymbol(a, QPointF(0, 0), r72, 4.8, page);
    const QList<DrawCall> texts = page.ofKind(DrawCall::Text);
    ASSERT_EQ(texts.size(), 2);
    // Cells are 16 × 2 × 7.2 = 230.4 twips; the first character under cell 1.
    EXPECT_DOUBLE_EQ(texts[0].from.x(), 124.8 + 230.4);
    EXPECT_DOUBLE_EQ(texts[1].from.x(), 124.8 + 460.8);
    EXPECT_DOUBLE_EQ(texts[0].from.y(), 122.4 + 500 + 45);
    EXPECT_EQ(texts[0].font.family, QStringLiteral("新細明體"));
    // Character 1 comes after the start cell's bars and before its own cell's bars.
    int barsBefore = 0;
    for (const DrawCall& c : page.calls) {
        if (c.kind == DrawCall::Text)
            break;
        ++barsBefore;
    }
    EXPECT_EQ(barsBefore, 5) << "start cell: its 5 bars";
}

TEST(PrintBarcodeSymbol, CentredTextIsThirtyTwipsLeftOfTheMiddle) {
    BarcodeAppearance a = printedItem(QStringLiteral("AB"));
    a.textAlignment = 1;
    RecordingSurface page;
    page.widthPerCharacter = 100;
    printBarcodeSymbol(a, QPointF(0, 0), r72, 4.8, page);
    const QList<DrawCall> texts = page.ofKind(DrawCall::Text);
    ASSERT_EQ(texts.size(), 1);
    EXPECT_EQ(texts[0].text, QStringLiteral("AB"));
    EXPECT_NEAR(texts[0].from.x(), 124.8 + 921.6 / 2 - 100 - 30, 1e-9);
    EXPECT_EQ(page.calls.first().kind, DrawCall::Text) << "centred text before the bars";
}

TEST(PrintBarcodeSymbol, BarWidthZeroPrintsAsTwoAndEmptyTextPrintsNothing) {
    BarcodeAppearance a = printedItem(QStringLiteral("AB"));
    a.barWidth = 0;
    a.showText = 0;
    RecordingSurface zero;
    printBarcodeSymbol(a, QPointF(0, 0), r72, 4.8, zero);
    EXPECT_EQ(a.barWidth, 2);
    BarcodeAppearance b = printedItem(QStringLiteral("AB"));
    b.showText = 0;
    RecordingSurface two;
    printBarcodeSymbol(b, QPointF(0, 0), r72, 4.8, two);
    EXPECT_EQ(zero.blackFills(), two.blackFills());

    BarcodeAppearance empty = printedItem(QString());
    RecordingSurface nothing;
    printBarcodeSymbol(empty, QPointF(0, 0), r72, 4.8, nothing);
    EXPECT_TRUE(nothing.calls.isEmpty());
}

} // namespace
