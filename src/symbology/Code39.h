#pragma once

#include <QString>
#include <optional>
#include <string_view>

// Code 39 module patterns: the four width-ratio tables and the lookup every drawing uses.
//
// A module pattern is a text of "1" (a module of bar) and "0" (a module of space), read left to
// right: the character's five bars and four spaces, then one "0" that separates it from the next
// character. The width ratio picks how wide the wide elements are:
//   0 "正規"  wide bar 3, wide space 3, 16 modules a character
//   1 "減距"  wide bar 3, wide space 2, 15 modules ("/" and "+" 13)
//   2 "減粗"  wide bar 2, wide space 3, 14 modules ("/" and "+" 13)
//   3 "雙減"  wide bar 2, wide space 2, 13 modules
namespace brevmark::code39 {

inline constexpr int widthRatioCount = 4;

// The table a width ratio selects: the ratio is read by the leading-number rule and must equal
// 0, 1, 2 or 3 exactly ("2", " 2x" and 2 select table 2; 2.5, 4 and 255 select none; a text
// without a leading number reads as 0).
std::optional<int> tableForRatio(double widthRatio);
std::optional<int> tableForRatio(const QString& widthRatio);

// The pattern of one character in one table (0 to 3), or an empty view when the character has no
// row there. Lower-case letters and the full-width forms of . / - + * and the ideographic space
// share the rows of their counterparts. The view points into static storage.
std::string_view patternOf(char16_t character, int table);

// The pattern lookup: the character is compared as a whole text, so only a text of exactly one
// character of the tables matches. Empty when the text or the width ratio matches nothing.
QString modulePattern(const QString& character, int widthRatio);
QString modulePattern(const QString& character, double widthRatio);
QString modulePattern(const QString& character, const QString& widthRatio);

} // namespace brevmark::code39
