// The tables checked against the Code 39 standard's element sequences, written here on their own
// (not copied from the tables): each rule a reviewer applies by hand, applied to every row.
#include "QStringPrinting.h"
#include "symbology/Code39.h"

#include <QString>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>

using namespace brevmark;

namespace {

// Standard Code 39: nine elements bar, space, bar, ... bar; 'w' wide, 'n' narrow.
struct StandardCharacter {
    char16_t character;
    char16_t alias; // 0 when none
    const char* elements;
};

const StandardCharacter standard[] = {
    {u'0', 0, "nnnwwnwnn"},         {u'1', 0, "wnnwnnnnw"},         {u'2', 0, "nnwwnnnnw"},
    {u'3', 0, "wnwwnnnnn"},         {u'4', 0, "nnnwwnnnw"},         {u'5', 0, "wnnwwnnnn"},
    {u'6', 0, "nnwwwnnnn"},         {u'7', 0, "nnnwnnwnw"},         {u'8', 0, "wnnwnnwnn"},
    {u'9', 0, "nnwwnnwnn"},         {u'A', u'a', "wnnnnwnnw"},      {u'B', u'b', "nnwnnwnnw"},
    {u'C', u'c', "wnwnnwnnn"},      {u'D', u'd', "nnnnwwnnw"},      {u'E', u'e', "wnnnwwnnn"},
    {u'F', u'f', "nnwnwwnnn"},      {u'G', u'g', "nnnnnwwnw"},      {u'H', u'h', "wnnnnwwnn"},
    {u'I', u'i', "nnwnnwwnn"},      {u'J', u'j', "nnnnwwwnn"},      {u'K', u'k', "wnnnnnnww"},
    {u'L', u'l', "nnwnnnnww"},      {u'M', u'm', "wnwnnnnwn"},      {u'N', u'n', "nnnnwnnww"},
    {u'O', u'o', "wnnnwnnwn"},      {u'P', u'p', "nnwnwnnwn"},      {u'Q', u'q', "nnnnnnwww"},
    {u'R', u'r', "wnnnnnwwn"},      {u'S', u's', "nnwnnnwwn"},      {u'T', u't', "nnnnwnwwn"},
    {u'U', u'u', "wwnnnnnnw"},      {u'V', u'v', "nwwnnnnnw"},      {u'W', u'w', "wwwnnnnnn"},
    {u'X', u'x', "nwnnwnnnw"},      {u'Y', u'y', "wwnnwnnnn"},      {u'Z', u'z', "nwwnwnnnn"},
    {u'.', u'\uFF0E', "wwnnnnwnn"}, {u'/', u'\uFF0F', "nwnwnnnwn"}, {u'-', u'\uFF0D', "nwnnnnwnw"},
    {u'+', u'\uFF0B', "nwnnnwnwn"}, {u' ', u'\u3000', "nwwnnnwnn"}, {u'*', u'\uFF0A', "nwnnwnwnn"},
};

struct RatioWidths {
    int wideBar;
    int wideSpace;
};
const RatioWidths ratioWidths[] = {{3, 3}, {3, 2}, {2, 3}, {2, 2}};

std::string expectedPattern(const StandardCharacter& c, int ratio) {
    int wideBar = ratioWidths[ratio].wideBar;
    int wideSpace = ratioWidths[ratio].wideSpace;
    // The one departure: ratio 2 writes the wide spaces of "/" and "+" two modules wide.
    if (ratio == 2 && (c.character == u'/' || c.character == u'+'))
        wideSpace = 2;
    std::string pattern;
    for (int e = 0; e < 9; ++e) {
        const bool isBar = e % 2 == 0;
        const bool wide = c.elements[e] == 'w';
        const int width = !wide ? 1 : (isBar ? wideBar : wideSpace);
        pattern.append(std::size_t(width), isBar ? '1' : '0');
    }
    return pattern + '0';
}

struct TableCase {
    StandardCharacter character;
    int ratio;
};

class Code39TableRow : public testing::TestWithParam<TableCase> {};

TEST_P(Code39TableRow, FollowsTheStandardElementsAtItsWidthRatio) {
    const TableCase& t = GetParam();
    const std::string elements = t.character.elements;
    ASSERT_EQ(elements.size(), 9u);
    ASSERT_EQ(std::count(elements.begin(), elements.end(), 'w'), 3) << "three wide elements";
    const QString expected = QString::fromStdString(expectedPattern(t.character, t.ratio));
    const QString character(QChar(t.character.character));
    EXPECT_EQ(code39::modulePattern(character, t.ratio), expected);
    if (t.character.alias != 0)
        EXPECT_EQ(code39::modulePattern(QString(QChar(t.character.alias)), t.ratio), expected);
}

std::vector<TableCase> allRows() {
    std::vector<TableCase> cases;
    for (int ratio = 0; ratio < 4; ++ratio)
        for (const StandardCharacter& c : standard)
            cases.push_back({c, ratio});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryRowEveryRatio, Code39TableRow, testing::ValuesIn(allRows()),
                         [](const testing::TestParamInfo<TableCase>& info) {
                             const char16_t c = info.param.character.character;
                             std::string name = "ratio" + std::to_string(info.param.ratio) + "_";
                             if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z'))
                                 name += char(c);
                             else
                                 name += "u" + std::to_string(int(c));
                             return name;
                         });

TEST(Code39Table, StartPatternLengthIsTheCellOfEachRatio) {
    const int lengths[] = {16, 15, 14, 13};
    for (int ratio = 0; ratio < 4; ++ratio)
        EXPECT_EQ(code39::modulePattern(QStringLiteral("*"), ratio).size(), lengths[ratio]);
    EXPECT_EQ(code39::modulePattern(QStringLiteral("/"), 2).size(), 13);
    EXPECT_EQ(code39::modulePattern(QStringLiteral("+"), 1).size(), 13);
}

TEST(Code39Lookup, RejectsCharactersOutsideTheTables) {
    for (const char16_t* text :
         {u"$", u"%", u"\uFF21", u"\uFF11", u"", u"AB", u"\u00E9", u"\"", u"\uFF0C", u"#"})
        for (int ratio = 0; ratio < 4; ++ratio)
            EXPECT_TRUE(code39::modulePattern(QString::fromUtf16(text), ratio).isEmpty())
                << QString::fromUtf16(text).toStdString() << " ratio " << ratio;
}

TEST(Code39Lookup, LowerCaseEqualsUpperCaseInEveryTable) {
    for (int ratio = 0; ratio < 4; ++ratio)
        for (char16_t c = u'a'; c <= u'z'; ++c)
            EXPECT_EQ(code39::modulePattern(QString(QChar(c)), ratio),
                      code39::modulePattern(QString(QChar(c - u'a' + u'A')), ratio));
}

TEST(Code39Lookup, WidthRatioAsNumberOrTextByTheLeadingNumber) {
    const QString ratio2 = code39::modulePattern(QStringLiteral("0"), 2);
    ASSERT_EQ(ratio2, QStringLiteral("10100011011010"));
    EXPECT_EQ(code39::modulePattern(QStringLiteral("0"), 2.0), ratio2);
    EXPECT_EQ(code39::modulePattern(QStringLiteral("0"), QStringLiteral("2")), ratio2);
    EXPECT_EQ(code39::modulePattern(QStringLiteral("0"), QStringLiteral("  2abc")), ratio2);
    EXPECT_EQ(code39::modulePattern(QStringLiteral("0"), QStringLiteral("2.0")), ratio2);
    // No leading number reads as 0.
    EXPECT_EQ(code39::modulePattern(QStringLiteral("0"), QStringLiteral("x")),
              code39::modulePattern(QStringLiteral("0"), 0));
    for (const double bad : {4.0, 255.0, 2.5, -1.0, 0.00001})
        EXPECT_TRUE(code39::modulePattern(QStringLiteral("0"), bad).isEmpty()) << bad;
    for (const int bad : {4, 255, -1})
        EXPECT_TRUE(code39::modulePattern(QStringLiteral("0"), bad).isEmpty()) << bad;
    for (const char* bad : {"2.5", "4", "-3", "12"})
        EXPECT_TRUE(code39::modulePattern(QStringLiteral("0"), QString::fromLatin1(bad)).isEmpty())
            << bad;
}

} // namespace
