#pragma once

#include <QString>

namespace brevmark {

// The number a text starts with: leading spaces are skipped, then the longest leading decimal
// number (optional sign, digits, optional period and digits) is taken; 0 when there is none.
// "12abc" -> 12, "  -3.5x" -> -3.5, "abc" -> 0, ".5" -> 0.5.
double leadingNumber(const QString& text);

// A number as the program writes it into a text: shortest decimal form, period as separator,
// no leading space, no trailing zeros ("7.2", "12", "-0.5").
QString numberText(double value);

// The shortest text that reads back as the same single-precision value ("7.2", not "7.19999981").
QString singleText(float value);

} // namespace brevmark
