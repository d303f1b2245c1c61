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

TEST(PrintedSymbolGeometry, EachModuleIsBarWidthLinesOneResolutionApart) {
    const PrintedSymbol symbol(Code39Symbol::assemble(QStringLiteral("A"), 0), 3, r72);
    EXPECT_EQ(symbol.cellWidth(), Fixed4::fromRaw(3456000));
    EXPECT_EQ(symbol.width(), Fixed4::fromRaw(10368000));

    RecordingSurface surface;
    symbol.drawBars(surface, Fixed4::fromRaw(7200000), Fixed4::fromRaw(1000000),
                    Fixed4::fromRaw(5000000));
    QList<double> expected;
    const Code39Symbol& modules = symbol.symbol();
    for (int m = 0; m < modules.moduleCount(); ++m)
        for (int k = 0; k < 3; ++k)
            if (modules.isBar(m))
                expected.append(Fixed4::fromRaw(7200000 + 72000 * (3 * m + k)).toDouble());
    EXPECT_EQ(surface.lineXs(), expected);
    for (const DrawCall& line : surface.ofKind(DrawCall::Line)) {
        EXPECT_EQ(line.from.y(), 100);
        EXPECT_EQ(line.to.y(), 600);
        EXPECT_EQ(line.width, 0) << "one device dot";
        EXPECT_EQ(line.color, QColor(Qt::black));
    }
}

TEST(PrintedSymbolGeometry, LongSymbolsStayOnTheGrid) {
    QString text(300, QLatin1Char('W'));
    const Fixed4 r = Fixed4::fromRaw(68000); // 6.8
    const PrintedSymbol symbol(Code39Symbol::assemble(text, 0), 6, r);
    RecordingSurface surface;
    symbol.drawBars(surface, Fixed4(), Fixed4(), Fixed4::fromRaw(10000));
    // The last bar line: the stop cell's last bar module, its last line.
    const int lastBarModule = symbol.symbol().moduleCount() - 2;
    EXPECT_EQ(surface.lineXs().last(),
              Fixed4::fromRaw(68000LL * (lastBarModule * 6 + 5)).toDouble());
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
    printBarcodeSymbol(a, QPointF(600, 1200), r72, page);
    const QList<DrawCall> lines = page.ofKind(DrawCall::Line);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_DOUBLE_EQ(lines.first().from.x(), 720);
    EXPECT_DOUBLE_EQ(lines.first().from.y(), 1317.6);
    EXPECT_DOUBLE_EQ(lines.first().to.y(), 1817.6);

    RecordingSurface label;
    printBarcodeSymbol(a, QPointF(0, 0), r72, label);
    EXPECT_DOUBLE_EQ(label.lineXs().first(), 122.4);
}

TEST(PrintBarcodeSymbol, SpreadTextSitsAtEachCellsLeftEdgeBeforeItsBars) {
    BarcodeAppearance a = printedItem(QStringLiteral("AB"));
    RecordingSurface page;
    printBarcodeSymbol(a, QPointF(0, 0), r72, page);
    const QList<DrawCall> texts = page.ofKind(DrawCall::Text);
    ASSERT_EQ(texts.size(), 2);
    // Cells are 16 × 2 × 7.2 = 230.4 twips; the first character under cell 1.
    EXPECT_DOUBLE_EQ(texts[0].from.x(), 122.4 + 230.4);
    EXPECT_DOUBLE_EQ(texts[1].from.x(), 122.4 + 460.8);
    EXPECT_DOUBLE_EQ(texts[0].from.y(), 122.4 + 500 + 45);
    EXPECT_EQ(texts[0].font.family, QStringLiteral("新細明體"));
    // Character 1 comes after the start cell's bars and before its own cell's bars.
    int linesBefore = 0;
    for (const DrawCall& c : page.calls) {
        if (c.kind == DrawCall::Text)
            break;
        ++linesBefore;
    }
    EXPECT_EQ(linesBefore, 9 * 2) << "start cell: 9 bar modules, 2 lines each";
}

TEST(PrintBarcodeSymbol, CentredTextIsThirtyTwipsLeftOfTheMiddle) {
    BarcodeAppearance a = printedItem(QStringLiteral("AB"));
    a.textAlignment = 1;
    RecordingSurface page;
    page.widthPerCharacter = 100;
    printBarcodeSymbol(a, QPointF(0, 0), r72, page);
    const QList<DrawCall> texts = page.ofKind(DrawCall::Text);
    ASSERT_EQ(texts.size(), 1);
    EXPECT_EQ(texts[0].text, QStringLiteral("AB"));
    EXPECT_NEAR(texts[0].from.x(), 122.4 + 921.6 / 2 - 100 - 30, 1e-9);
    EXPECT_EQ(page.calls.first().kind, DrawCall::Text) << "centred text before the bars";
}

TEST(PrintBarcodeSymbol, BarWidthZeroPrintsAsTwoAndEmptyTextPrintsNothing) {
    BarcodeAppearance a = printedItem(QStringLiteral("AB"));
    a.barWidth = 0;
    a.showText = 0;
    RecordingSurface zero;
    printBarcodeSymbol(a, QPointF(0, 0), r72, zero);
    EXPECT_EQ(a.barWidth, 2);
    BarcodeAppearance b = printedItem(QStringLiteral("AB"));
    b.showText = 0;
    RecordingSurface two;
    printBarcodeSymbol(b, QPointF(0, 0), r72, two);
    EXPECT_EQ(zero.lineXs(), two.lineXs());

    BarcodeAppearance empty = printedItem(QString());
    RecordingSurface nothing;
    printBarcodeSymbol(empty, QPointF(0, 0), r72, nothing);
    EXPECT_TRUE(nothing.calls.isEmpty());
}

} // namespace
