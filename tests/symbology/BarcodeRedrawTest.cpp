#include "symbology/BarcodeRedraw.h"
#include "QStringPrinting.h"
#include "symbology/BarcodeAppearance.h"
#include "symbology/Code39Symbol.h"

#include "support/RecordingSurface.h"

#include <gtest/gtest.h>

using namespace brevmark;
using brevmark::test::DrawCall;
using brevmark::test::RecordingSurface;

namespace {

const Fixed4 defaultResolution = Fixed4::fromRaw(72000); // 7.2 twips

BarcodeAppearance item(const QString& text, int barWidth) {
    BarcodeAppearance a;
    a.text = text;
    a.widthRatio = 0;
    a.barWidth = std::uint8_t(barWidth);
    a.showText = 1;
    a.textAlignment = 0;
    a.symbolLeft = 100.5f; // rounds to 100, halves to even
    a.symbolTop = 30;
    a.barHeight = QStringLiteral("600");
    a.textSize = 12;
    return a;
}

// x of the lines the preview should draw: `step` twips per line, `linesPerModule` lines per
// module, the first `modules` modules of the symbol.
QList<double> expectedLines(const Code39Symbol& symbol, int modules, int linesPerModule, int step,
                            double x0) {
    QList<double> xs;
    int d = 0;
    for (int m = 0; m < modules; ++m)
        for (int k = 0; k < linesPerModule; ++k, d += step)
            if (symbol.isBar(m))
                xs.append(x0 + d);
    return xs;
}

TEST(BarcodeRedraw, BarWidthTwoDrawsModulesOneToSixtyTwoOfTwoCharacters) {
    BarcodeAppearance a = item(QStringLiteral("12"), 2);
    RecordingSurface surface;
    redrawBarcode(a, defaultResolution, surface);

    const Code39Symbol symbol = Code39Symbol::assemble(QStringLiteral("12"), 0);
    ASSERT_EQ(symbol.moduleCount(), 64);
    EXPECT_EQ(surface.lineXs(), expectedLines(symbol, 62, 1, 15, 100));
    for (const DrawCall& line : surface.ofKind(DrawCall::Line)) {
        EXPECT_EQ(line.from.y(), 30);
        EXPECT_EQ(line.to.y(), 630);
        EXPECT_EQ(line.to.x(), line.from.x());
        EXPECT_EQ(line.color, QColor(Qt::black));
        EXPECT_EQ(line.width, 0);
    }
    // Module 63 is the stop pattern's last bar; the preview stops before it.
    EXPECT_TRUE(symbol.isBar(62));
    EXPECT_LT(surface.lineXs().last(), 100 + 62 * 15);
}

TEST(BarcodeRedraw, SpreadTextStartsAtTheLeftEdgeOfEachCharacterCell) {
    BarcodeAppearance a = item(QStringLiteral("12"), 2);
    a.textBold = true;
    RecordingSurface surface;
    redrawBarcode(a, defaultResolution, surface);

    const QList<DrawCall> texts = surface.ofKind(DrawCall::Text);
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[0].text, QStringLiteral("1"));
    EXPECT_EQ(texts[0].from, QPointF(100 + 230, 30 + 600 + 45));
    EXPECT_EQ(texts[1].text, QStringLiteral("2"));
    EXPECT_EQ(texts[1].from, QPointF(100 + 460, 675));
    EXPECT_EQ(texts[0].font.family, QStringLiteral("新細明體"));
    EXPECT_EQ(texts[0].font.pointSize, 12);
    EXPECT_TRUE(texts[0].font.bold);
    // Cleared first, text before bars.
    EXPECT_EQ(surface.calls.first().kind, DrawCall::Clear);
    EXPECT_EQ(surface.calls[1].kind, DrawCall::Text);
    EXPECT_EQ(surface.calls[3].kind, DrawCall::Line);
}

TEST(BarcodeRedraw, BarWidthFourShowsFiftyEightOfSixtyFourModules) {
    BarcodeAppearance a = item(QStringLiteral("12"), 4);
    RecordingSurface surface;
    redrawBarcode(a, defaultResolution, surface);
    const Code39Symbol symbol = Code39Symbol::assemble(QStringLiteral("12"), 0);
    EXPECT_EQ(surface.lineXs(), expectedLines(symbol, 58, 4, 8, 100));
}

TEST(BarcodeRedraw, BarWidthOneShowsPlaceholderStripesUntilThePrintedWidth) {
    // "9" and "0" differ, yet the screen shows the same stripes for both.
    BarcodeAppearance nine = item(QStringLiteral("9"), 1);
    BarcodeAppearance zero = item(QStringLiteral("0"), 1);
    RecordingSurface nineSurface;
    RecordingSurface zeroSurface;
    redrawBarcode(nine, defaultResolution, nineSurface);
    redrawBarcode(zero, defaultResolution, zeroSurface);
    EXPECT_EQ(nineSurface.lineXs(), zeroSurface.lineXs());

    // W = 3 × 16 × 7.2 = 345.6: 23 modules of 15 twips (345 < W, 360 ends it).
    const char stripes[] = "1011010101010101";
    QList<double> xs;
    for (int m = 0; m < 24; ++m)
        if (stripes[m % 16] == '1')
            xs.append(100 + 15 * m);
    EXPECT_EQ(nineSurface.lineXs(), xs);
}

TEST(BarcodeRedraw, BarWidthZeroIsDrawnAsTwoAndStoredBack) {
    BarcodeAppearance zero = item(QStringLiteral("12"), 0);
    BarcodeAppearance two = item(QStringLiteral("12"), 2);
    RecordingSurface zeroSurface;
    RecordingSurface twoSurface;
    redrawBarcode(zero, defaultResolution, zeroSurface);
    redrawBarcode(two, defaultResolution, twoSurface);
    EXPECT_EQ(zero.barWidth, 2);
    EXPECT_EQ(zeroSurface.lineXs(), twoSurface.lineXs());
}

TEST(BarcodeRedraw, EmptyTextOnlyClears) {
    BarcodeAppearance a = item(QString(), 0);
    RecordingSurface surface;
    redrawBarcode(a, defaultResolution, surface);
    ASSERT_EQ(surface.calls.size(), 1);
    EXPECT_EQ(surface.calls[0].kind, DrawCall::Clear);
}

TEST(BarcodeRedraw, ShowTextZeroDrawsNoTextInAnyAlignment) {
    for (const int alignment : {0, 1}) {
        BarcodeAppearance a = item(QStringLiteral("AB"), 2);
        a.showText = 0;
        a.textAlignment = std::uint8_t(alignment);
        RecordingSurface surface;
        redrawBarcode(a, defaultResolution, surface);
        EXPECT_EQ(surface.count(DrawCall::Text), 0) << alignment;
        EXPECT_GT(surface.count(DrawCall::Line), 0);
    }
}

TEST(BarcodeRedraw, CentredTextWiderThanTheSymbolStartsLeftOfIt) {
    BarcodeAppearance a = item(QStringLiteral("12"), 2);
    a.textAlignment = 1;
    RecordingSurface surface;
    surface.widthPerCharacter = 1000;
    redrawBarcode(a, defaultResolution, surface);
    const QList<DrawCall> texts = surface.ofKind(DrawCall::Text);
    ASSERT_EQ(texts.size(), 1);
    EXPECT_EQ(texts[0].text, QStringLiteral("12"));
    EXPECT_DOUBLE_EQ(texts[0].from.x(), 100 + 921.6 / 2 - 2000 / 2);
    EXPECT_LT(texts[0].from.x(), 100);
}

TEST(BarcodeRedraw, OtherTextAlignmentsDrawNoText) {
    BarcodeAppearance a = item(QStringLiteral("12"), 2);
    a.textAlignment = 2;
    RecordingSurface surface;
    redrawBarcode(a, defaultResolution, surface);
    EXPECT_EQ(surface.count(DrawCall::Text), 0);
}

TEST(BarcodeRedraw, TextLongerThanFortyCharactersIsDrawnWhole) {
    QString text;
    for (int i = 0; i < 50; ++i)
        text += QChar(u'A' + i % 26);
    BarcodeAppearance a = item(text, 2);
    RecordingSurface surface;
    redrawBarcode(a, defaultResolution, surface);
    EXPECT_EQ(surface.count(DrawCall::Text), 50);
    // W = 52 × 16 × 7.2 × 2 = 11980.8: 799 modules of 15 twips, far past 42 cells.
    const Code39Symbol symbol = Code39Symbol::assemble(text, 0);
    EXPECT_EQ(surface.lineXs(), expectedLines(symbol, 799, 1, 15, 100));
}

TEST(BarcodeRedraw, LowerCaseDrawsLikeUpperCaseButShowsAsStored) {
    BarcodeAppearance lower = item(QStringLiteral("ab"), 3);
    BarcodeAppearance upper = item(QStringLiteral("AB"), 3);
    RecordingSurface lowerSurface;
    RecordingSurface upperSurface;
    redrawBarcode(lower, defaultResolution, lowerSurface);
    redrawBarcode(upper, defaultResolution, upperSurface);
    EXPECT_EQ(lowerSurface.lineXs(), upperSurface.lineXs());
    EXPECT_EQ(lowerSurface.texts(), (QList<QString>{QStringLiteral("a"), QStringLiteral("b")}));
}

} // namespace
