#pragma once

#include <QString>
#include <string>

namespace brevmark::test {

// A readable name for a row of a parameterised test, as ctest lists it: ASCII letters and digits
// are kept, a minus sign before a digit reads "minus", a period between digits "p", and any other
// run of characters becomes one underscore.
inline std::string rowName(const QString& text) {
    std::string name;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool digitFollows = i + 1 < text.size() && text.at(i + 1).isDigit();
        if (c.unicode() < 0x80 && c.isLetterOrNumber())
            name += char(c.unicode());
        else if (c == QLatin1Char('-') && digitFollows)
            name += "minus";
        else if (c == QLatin1Char('.') && digitFollows && i > 0 && text.at(i - 1).isDigit())
            name += 'p';
        else if (!name.empty() && name.back() != '_')
            name += '_';
    }
    while (!name.empty() && name.back() == '_')
        name.pop_back();
    return name.empty() ? std::string("empty") : name;
}

} // namespace brevmark::test
