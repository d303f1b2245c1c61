#include "symbology/Code39Symbol.h"
#include "QStringPrinting.h"
#include "symbology/Code39.h"

#include <gtest/gtest.h>

using namespace brevmark;

namespace {

QString pad(const QString& pattern, int length) {
    return pattern + QString(length - pattern.size(), QLatin1Char('0'));
}

QString cellOf(const Code39Symbol& symbol, int cell) {
    return symbol.moduleText().mid(cell * symbol.cellLength(), symbol.cellLength());
}

TEST(Code39Symbol, StartCharactersStopEachInOneCell) {
    for (int ratio = 0; ratio < 4; ++ratio) {
        const Code39Symbol symbol = Code39Symbol::assemble(QStringLiteral("A1"), ratio);
        const QString star = code39::modulePattern(QStringLiteral("*"), ratio);
        EXPECT_EQ(symbol.cellLength(), star.size());
        EXPECT_EQ(symbol.cellCount(), 4);
        EXPECT_EQ(symbol.moduleText(), star + code39::modulePattern(QStringLiteral("A"), ratio) +
                                           code39::modulePattern(QStringLiteral("1"), ratio) +
                                           star);
        EXPECT_FALSE(symbol.isBar(symbol.moduleCount() - 1)) << "ends with a space module";
        EXPECT_TRUE(symbol.isBar(0)) << "no quiet zone";
    }
}

TEST(Code39Symbol, ShortSlashPatternIsPaddedToTheCell) {
    const Code39Symbol symbol = Code39Symbol::assemble(QStringLiteral("1/2"), 1);
    EXPECT_EQ(symbol.moduleCount(), 75);
    EXPECT_EQ(cellOf(symbol, 2), QStringLiteral("100100101001000"));
    EXPECT_TRUE(symbol.isBar(3, 0)) << "the next character starts at its own cell";

    const Code39Symbol plus = Code39Symbol::assemble(QStringLiteral("+"), 2);
    EXPECT_EQ(plus.cellLength(), 14);
    EXPECT_EQ(cellOf(plus, 1), pad(code39::modulePattern(QStringLiteral("+"), 2), 14));
}

TEST(Code39Symbol, CharactersMissingFromTheTablesAreBlankCells) {
    const Code39Symbol symbol = Code39Symbol::assemble(QStringLiteral("A$%\uFF21"), 0);
    EXPECT_EQ(symbol.cellCount(), 6);
    for (int cell = 2; cell <= 4; ++cell)
        EXPECT_EQ(cellOf(symbol, cell), QString(16, QLatin1Char('0'))) << cell;
}

TEST(Code39Symbol, LowerCaseAndFullWidthFormsEncodeLikeTheirRows) {
    EXPECT_EQ(Code39Symbol::assemble(QStringLiteral("ab-1"), 3).moduleText(),
              Code39Symbol::assemble(QStringLiteral("AB\uFF0D1"), 3).moduleText());
}

TEST(Code39Symbol, EmptyTextOrUnknownRatioHasNoModules) {
    EXPECT_TRUE(Code39Symbol::assemble(QString(), 0).isEmpty());
    EXPECT_EQ(Code39Symbol::assemble(QString(), 0).cellCount(), 0);
    const Code39Symbol unknown = Code39Symbol::assemble(QStringLiteral("AB"), 4);
    EXPECT_TRUE(unknown.isEmpty());
    EXPECT_EQ(unknown.cellLength(), 0);
    EXPECT_EQ(unknown.cellCount(), 4);
}

TEST(Code39Symbol, TextsLongerThanFortyCharactersAreAssembledWhole) {
    QString text;
    for (int i = 0; i < 250; ++i)
        text += QChar(u'0' + i % 10);
    const Code39Symbol symbol = Code39Symbol::assemble(text, 0);
    EXPECT_EQ(symbol.cellCount(), 252);
    EXPECT_EQ(symbol.moduleCount(), 252 * 16);
    EXPECT_EQ(cellOf(symbol, 250), code39::modulePattern(QStringLiteral("9"), 0));
    EXPECT_EQ(cellOf(symbol, 251), code39::modulePattern(QStringLiteral("*"), 0));
}

} // namespace
