// The conversion of clipboard text and the two commands that bring it into the grid, against
// texts as spreadsheets put them on the clipboard: LibreOffice Calc and Gnumeric on Linux end
// every row with LF (the last one too), Excel on Windows with CR LF.
#include "ImportFixture.h"

#include "import/ClipboardLines.h"
#include "import/ConversionTable.h"
#include "import/ImportTexts.h"
#include "import/PasteImport.h"
#include "import/SpreadsheetImport.h"

#include <gtest/gtest.h>

using namespace brevmark;
using namespace brevmark::test;

namespace {

TEST(ClipboardLines, LinesEndAtCrLfAtALoneLfAndAtALoneCr) {
    struct Case {
        QString text;
        QStringList lines;
        int last;
    };
    const Case cases[] = {
        {"a\tb\r\nc\td\r\n", {"a\tb", "c\td", ""}, 1},
        {"a\tb\nc\td\n", {"a\tb", "c\td", ""}, 1},
        {"a\tb\rc\td\r", {"a\tb", "c\td", ""}, 1},
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}, 3},
        {"a\n\nb\n", {"a", "", "b", ""}, 2},
        {"only", {"only"}, 0},
        {"   ", {"   "}, -1},
        {"x\n   ", {"x", "   "}, 0},
        {"", {""}, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(clipboard_lines::split(c.text), c.lines) << c.text.toStdString();
        EXPECT_EQ(clipboard_lines::lastLineIndex(clipboard_lines::split(c.text)), c.last)
            << c.text.toStdString();
    }
    EXPECT_FALSE(clipboard_lines::hasLineBreak(QStringLiteral("a\tb")));
    EXPECT_TRUE(clipboard_lines::hasLineBreak(QStringLiteral("a\tb\n")));
}

TEST(Conversion, FieldsKeepThirtyCharactersAndALineOfThirteenFieldsEndsTheConversion) {
    QStringList fields;
    for (int f = 0; f < 13; ++f)
        fields << QStringLiteral("f%1").arg(f);
    const QString long35 = QString(35, QLatin1Char('x'));
    const QStringList lines{QStringLiteral("  ") + long35 + QStringLiteral("\t\tb  "),
                            fields.join(QLatin1Char('\t')), QStringLiteral("later")};
    ConversionTable table;
    table.convert(lines, 2);
    EXPECT_EQ(table.field(0, 0), QString(30, QLatin1Char('x'))) << "spaces trimmed, cut at 30";
    EXPECT_EQ(table.field(0, 1), QString());
    EXPECT_EQ(table.field(0, 2), QStringLiteral("b"));
    EXPECT_EQ(table.field(1, 11), QStringLiteral("f11"));
    EXPECT_EQ(table.field(1, 12), QString());
    EXPECT_EQ(table.widest(), 12);
    EXPECT_EQ(table.field(2, 0), QString()) << "later lines stay unconverted";
}

// Every case runs with both line ends: what a LibreOffice copy gives is what an Excel copy gives.
class SpreadsheetCopy : public ::testing::TestWithParam<std::string> {
protected:
    ImportGrid grid = openedGrid();
    // The messages of the last command.
    QList<UserMessage> messages;
    QString end() const { return QString::fromStdString(GetParam()); }
    bool import(const QStringList& lines) {
        const ImportResult result = SpreadsheetImport::run(grid, copied(lines, end()));
        messages = result.messages;
        return result.changed;
    }
    bool paste(const QString& text) {
        const ImportResult result = PasteImport::run(grid, text);
        messages = result.messages;
        return result.changed;
    }
};

TEST_P(SpreadsheetCopy, AHeaderAndThreeRowsGiveThreeRowsUnderTheirCaptions) {
    ASSERT_TRUE(import(
        {"條碼\t種類\t名稱\t自訂", "A1\t 水果\t蘋果\t紅", "A2\t\t香蕉\t", "A3\t水果\t\t綠"}));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(grid.range().count(), 3);
    EXPECT_EQ(column(grid, 0, 2), (QStringList{"A1", "A2", "A3"}));
    EXPECT_EQ(column(grid, 1, 2), (QStringList{" 水果", "", "水果"}))
        << "a cell's leading space stays until the save cleans it; an empty cell stays empty";
    EXPECT_EQ(column(grid, 2, 2), (QStringList{"蘋果", "香蕉", ""}));
    EXPECT_EQ(column(grid, 3, 2), (QStringList{"紅", "", "綠"}));
}

TEST_P(SpreadsheetCopy, HeadersAreMatchedByCaptionInAnyOrder) {
    ASSERT_TRUE(import({" 名稱 \t條碼\t其他", "蘋果\tA1\tx"}));
    EXPECT_EQ(grid.range().count(), 1);
    EXPECT_EQ(grid.cells().text(0, 0), QStringLiteral("A1"));
    EXPECT_EQ(grid.cells().text(0, 1), QString());
    EXPECT_EQ(grid.cells().text(0, 2), QStringLiteral("蘋果"));
}

TEST_P(SpreadsheetCopy, OnlyAHeaderGivesOneEmptyRow) {
    grid.cells().setText(0, 0, QStringLiteral("old"));
    ASSERT_TRUE(import({"條碼\t種類"}));
    EXPECT_EQ(grid.range().count(), 1);
    EXPECT_EQ(grid.cells().text(0, 0), QString()) << "the grid is replaced";
}

TEST_P(SpreadsheetCopy, TwoHundredRowsComeInAsOneHundredFiftyWithTheExcessNotice) {
    QStringList lines{"條碼\t種類"};
    for (int i = 1; i <= 200; ++i)
        lines << QStringLiteral("B%1\tk").arg(i);
    ASSERT_TRUE(import(lines));
    EXPECT_EQ(messages, (QList<UserMessage>{UserMessage::information(QStringLiteral("過量提示"),
                                                                     import_texts::importExcess)}));
    EXPECT_EQ(grid.range().count(), 150);
    EXPECT_EQ(grid.cells().text(149, 0), QStringLiteral("B150"));
    EXPECT_EQ(grid.cells().text(150, 0), QString());
}

TEST_P(SpreadsheetCopy, ALineWithoutASeparatorIsNotASpreadsheetCopy) {
    grid.cells().setText(0, 0, QStringLiteral("kept"));
    EXPECT_FALSE(import({"條碼 種類", "A1 x"}));
    EXPECT_EQ(messages, (QList<UserMessage>{UserMessage::warning(
                            QStringLiteral("錯誤提示"), import_texts::importNotSpreadsheet)}));
    EXPECT_EQ(grid.cells().text(0, 0), QStringLiteral("kept"));
}

TEST_P(SpreadsheetCopy, SameCaptionsShareTheDataAndTheLaterHeaderWins) {
    grid = openedGrid(6);
    ASSERT_TRUE(import({"自訂\t條碼\t自訂", "first\tA1\tsecond"}));
    EXPECT_EQ(grid.cells().text(0, 0), QStringLiteral("A1"));
    // Spreadsheet column 2 comes later and wins for every column headed 自訂.
    EXPECT_EQ(grid.cells().text(0, 3), QStringLiteral("second"));
    EXPECT_EQ(grid.cells().text(0, 4), QStringLiteral("second"));
    EXPECT_EQ(grid.cells().text(0, 5), QStringLiteral("second"));
}

TEST_P(SpreadsheetCopy, APastedBlockFillsFromTheCurrentCellAsFarAsTheShownColumns) {
    const QString block = copied({"a\tb", "c\td", "e\tf"}, end());
    grid.range().setRange(6);
    grid.setCurrent(2, 1);
    ASSERT_TRUE(paste(block));
    EXPECT_EQ(column(grid, 1, 5), (QStringList{"", "", "a", "c", "e", ""}));
    EXPECT_EQ(column(grid, 2, 5), (QStringList{"", "", "b", "d", "f", ""}));
    EXPECT_EQ(column(grid, 3, 5), (QStringList(6)));

    grid.cells().clear();
    grid.setCurrent(2, 3);
    ASSERT_TRUE(paste(block));
    EXPECT_EQ(column(grid, 3, 5), (QStringList{"", "", "a", "c", "e", ""}));
    EXPECT_EQ(column(grid, 2, 5), (QStringList(6)));
    EXPECT_EQ(grid.range().count(), 6) << "a paste leaves the range as it is";
    EXPECT_TRUE(messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(LineEnds, SpreadsheetCopy, ::testing::Values("\n", "\r\n", "\r"),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return info.param == "\n"     ? "Lf"
                                    : info.param == "\r\n" ? "CrLf"
                                                           : "Cr";
                         });

TEST(SpreadsheetImport, OneLineWithoutALineEndIsTooLittle) {
    ImportGrid grid = openedGrid();
    const QList<UserMessage> tooLittle{
        UserMessage::warning(QStringLiteral("錯誤提示"), import_texts::importTooLittle)};
    const ImportResult oneLine = SpreadsheetImport::run(grid, QStringLiteral("條碼\t種類"));
    EXPECT_FALSE(oneLine.changed);
    EXPECT_EQ(oneLine.messages, tooLittle);
    // An empty clipboard, or one holding no text, reads as empty text: the same box.
    const ImportResult nothing = SpreadsheetImport::run(grid, QString());
    EXPECT_FALSE(nothing.changed);
    EXPECT_EQ(nothing.messages, tooLittle);
}

TEST(SpreadsheetImport, AHeaderAndOneRowGiveOneRow) {
    ImportGrid grid = openedGrid();
    grid.range().setRange(5);
    ASSERT_TRUE(SpreadsheetImport::run(grid, QStringLiteral("條碼\t種類\nA1\tx\n")).changed);
    EXPECT_EQ(grid.range().count(), 1);
    EXPECT_EQ(grid.cells().text(0, 1), QStringLiteral("x"));
}

TEST(SpreadsheetImport, AnUnknownHeaderIsIgnored) {
    // With four columns and the headers 條碼, 名稱, 數量: columns 0 and 2 receive data.
    ImportGrid grid = openedGrid();
    ASSERT_TRUE(SpreadsheetImport::run(
                    grid, QStringLiteral("條碼\t名稱\t數量\r\nA1\t蘋果\t3\r\nA2\t梨\t4\r\n"))
                    .changed);
    EXPECT_EQ(column(grid, 0, 1), (QStringList{"A1", "A2"}));
    EXPECT_EQ(column(grid, 1, 1), (QStringList{"", ""}));
    EXPECT_EQ(column(grid, 2, 1), (QStringList{"蘋果", "梨"}));
    EXPECT_EQ(column(grid, 3, 1), (QStringList{"", ""}));
}

TEST(PasteImport, AnEmptyClipboardChangesNothingAndALineOfSpacesIsTooLittle) {
    ImportGrid grid = openedGrid();
    grid.cells().setText(0, 0, QStringLiteral("kept"));
    const ImportResult nothing = PasteImport::run(grid, QString());
    EXPECT_FALSE(nothing.changed);
    EXPECT_TRUE(nothing.messages.isEmpty());
    const ImportResult spaces = PasteImport::run(grid, QStringLiteral("   "));
    EXPECT_FALSE(spaces.changed);
    EXPECT_EQ(spaces.messages, (QList<UserMessage>{UserMessage::warning(
                                   QStringLiteral("錯誤提示"), import_texts::pasteTooLittle)}));
    EXPECT_EQ(grid.cells().text(0, 0), QStringLiteral("kept"));
}

TEST(PasteImport, OneWordGoesIntoTheCurrentCellTrimmed) {
    ImportGrid grid = openedGrid();
    grid.setCurrent(0, 2);
    ASSERT_TRUE(PasteImport::run(grid, QStringLiteral("  香蕉 ")).changed);
    EXPECT_EQ(grid.cells().text(0, 2), QStringLiteral("香蕉"));
    // A cell's own leading space is trimmed too.
    grid.setCurrent(0, 0);
    ASSERT_TRUE(PasteImport::run(grid, QStringLiteral("x\t y\n")).changed);
    EXPECT_EQ(grid.cells().text(0, 1), QStringLiteral("y"));
}

TEST(PasteImport, TwoHundredLinesStopAtRowOneHundredFiftyWithTheNotice) {
    ImportGrid grid = openedGrid();
    QStringList lines;
    for (int i = 0; i < 200; ++i)
        lines << QStringLiteral("P%1").arg(i);
    grid.setCurrent(10, 0);
    const ImportResult result = PasteImport::run(grid, copied(lines, QStringLiteral("\n")));
    ASSERT_TRUE(result.changed);
    EXPECT_EQ(result.messages, (QList<UserMessage>{UserMessage::information(
                                   QStringLiteral("過量提示"), import_texts::pasteExcess)}));
    EXPECT_EQ(grid.cells().text(150, 0), QStringLiteral("P140"));
    EXPECT_EQ(grid.cells().text(151, 0), QString()) << "rows end at 150";
    EXPECT_EQ(grid.range().count(), 1);
}

} // namespace
