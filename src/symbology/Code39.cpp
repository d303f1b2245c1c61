#include "symbology/Code39.h"

#include "common/LeadingNumber.h"

#include <array>

namespace brevmark::code39 {

namespace {

struct Row {
    char16_t character;
    std::array<std::string_view, widthRatioCount> patterns;
};

// One row per character; the columns are width ratios 0 to 3. Ratio 2 writes the wide spaces of
// "/" and "+" two modules wide, so those two patterns equal the ones of ratios 1 and 3.
constexpr Row rows[] = {
    {u'0', {"1010001110111010", "101001110111010", "10100011011010", "1010011011010"}},
    {u'1', {"1110100010101110", "111010010101110", "11010001010110", "1101001010110"}},
    {u'2', {"1011100010101110", "101110010101110", "10110001010110", "1011001010110"}},
    {u'3', {"1110111000101010", "111011100101010", "11011000101010", "1101100101010"}},
    {u'4', {"1010001110101110", "101001110101110", "10100011010110", "1010011010110"}},
    {u'5', {"1110100011101010", "111010011101010", "11010001101010", "1101001101010"}},
    {u'6', {"1011100011101010", "101110011101010", "10110001101010", "1011001101010"}},
    {u'7', {"1010001011101110", "101001011101110", "10100010110110", "1010010110110"}},
    {u'8', {"1110100010111010", "111010010111010", "11010001011010", "1101001011010"}},
    {u'9', {"1011100010111010", "101110010111010", "10110001011010", "1011001011010"}},
    {u'A', {"1110101000101110", "111010100101110", "11010100010110", "1101010010110"}},
    {u'B', {"1011101000101110", "101110100101110", "10110100010110", "1011010010110"}},
    {u'C', {"1110111010001010", "111011101001010", "11011010001010", "1101101001010"}},
    {u'D', {"1010111000101110", "101011100101110", "10101100010110", "1010110010110"}},
    {u'E', {"1110101110001010", "111010111001010", "11010110001010", "1101011001010"}},
    {u'F', {"1011101110001010", "101110111001010", "10110110001010", "1011011001010"}},
    {u'G', {"1010100011101110", "101010011101110", "10101000110110", "1010100110110"}},
    {u'H', {"1110101000111010", "111010100111010", "11010100011010", "1101010011010"}},
    {u'I', {"1011101000111010", "101110100111010", "10110100011010", "1011010011010"}},
    {u'J', {"1010111000111010", "101011100111010", "10101100011010", "1010110011010"}},
    {u'K', {"1110101010001110", "111010101001110", "11010101000110", "1101010100110"}},
    {u'L', {"1011101010001110", "101110101001110", "10110101000110", "1011010100110"}},
    {u'M', {"1110111010100010", "111011101010010", "11011010100010", "1101101010010"}},
    {u'N', {"1010111010001110", "101011101001110", "10101101000110", "1010110100110"}},
    {u'O', {"1110101110100010", "111010111010010", "11010110100010", "1101011010010"}},
    {u'P', {"1011101110100010", "101110111010010", "10110110100010", "1011011010010"}},
    {u'Q', {"1010101110001110", "101010111001110", "10101011000110", "1010101100110"}},
    {u'R', {"1110101011100010", "111010101110010", "11010101100010", "1101010110010"}},
    {u'S', {"1011101011100010", "101110101110010", "10110101100010", "1011010110010"}},
    {u'T', {"1010111011100010", "101011101110010", "10101101100010", "1010110110010"}},
    {u'U', {"1110001010101110", "111001010101110", "11000101010110", "1100101010110"}},
    {u'V', {"1000111010101110", "100111010101110", "10001101010110", "1001101010110"}},
    {u'W', {"1110001110101010", "111001110101010", "11000110101010", "1100110101010"}},
    {u'X', {"1000101110101110", "100101110101110", "10001011010110", "1001011010110"}},
    {u'Y', {"1110001011101010", "111001011101010", "11000101101010", "1100101101010"}},
    {u'Z', {"1000111011101010", "100111011101010", "10001101101010", "1001101101010"}},
    {u'.', {"1110001010111010", "111001010111010", "11000101011010", "1100101011010"}},
    {u'/', {"1000100010100010", "1001001010010", "1001001010010", "1001001010010"}},
    {u'-', {"1000101011101110", "100101011101110", "10001010110110", "1001010110110"}},
    {u'+', {"1000101000100010", "1001010010010", "1001010010010", "1001010010010"}},
    {u' ', {"1000111010111010", "100111010111010", "10001101011010", "1001101011010"}},
    {u'*', {"1000101110111010", "100101110111010", "10001011011010", "1001011011010"}},
};

constexpr int rowCount = int(sizeof rows / sizeof rows[0]);

// Row of every ASCII character, -1 where there is none; lower-case letters share the upper-case
// rows.
constexpr std::array<signed char, 128> asciiRows = [] {
    std::array<signed char, 128> index{};
    for (auto& entry : index)
        entry = -1;
    for (int r = 0; r < rowCount; ++r) {
        const char16_t c = rows[r].character;
        index[c] = static_cast<signed char>(r);
        if (c >= u'A' && c <= u'Z')
            index[c - u'A' + u'a'] = static_cast<signed char>(r);
    }
    return index;
}();

// The full-width forms that the tables also accept, mapped to their ASCII rows.
char16_t asciiOfFullWidth(char16_t c) {
    switch (c) {
    case u'\uFF0E':
        return u'.';
    case u'\uFF0F':
        return u'/';
    case u'\uFF0D':
        return u'-';
    case u'\uFF0B':
        return u'+';
    case u'\u3000':
        return u' ';
    case u'\uFF0A':
        return u'*';
    default:
        return 0;
    }
}

std::optional<int> tableForNumber(double value) {
    for (int table = 0; table < widthRatioCount; ++table)
        if (value == double(table))
            return table;
    return std::nullopt;
}

} // namespace

std::optional<int> tableForRatio(double widthRatio) {
    // A number passes through its text form, as a ratio given as text does.
    return tableForNumber(leadingNumber(numberText(widthRatio)));
}

std::optional<int> tableForRatio(const QString& widthRatio) {
    return tableForNumber(leadingNumber(widthRatio));
}

std::string_view patternOf(char16_t character, int table) {
    if (table < 0 || table >= widthRatioCount)
        return {};
    if (character >= 128) {
        character = asciiOfFullWidth(character);
        if (character == 0)
            return {};
    }
    const int row = asciiRows[character];
    return row < 0 ? std::string_view{} : rows[row].patterns[table];
}

namespace {
QString lookup(const QString& character, std::optional<int> table) {
    if (!table || character.size() != 1)
        return {};
    const std::string_view pattern = patternOf(character.at(0).unicode(), *table);
    return QString::fromLatin1(pattern.data(), qsizetype(pattern.size()));
}
} // namespace

QString modulePattern(const QString& character, int widthRatio) {
    return lookup(character, tableForNumber(widthRatio));
}

QString modulePattern(const QString& character, double widthRatio) {
    return lookup(character, tableForRatio(widthRatio));
}

QString modulePattern(const QString& character, const QString& widthRatio) {
    return lookup(character, tableForRatio(widthRatio));
}

} // namespace brevmark::code39
