#include "common/LeadingNumber.h"

#include <charconv>
#include <cmath>
#include <string>

namespace brevmark {

double leadingNumber(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text.at(i) == QLatin1Char(' '))
        ++i;
    std::string digits;
    if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        digits += char(text.at(i).unicode());
        ++i;
    }
    bool any = false;
    while (i < n && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9')) {
        digits += char(text.at(i).unicode());
        ++i;
        any = true;
    }
    if (i < n && text.at(i) == QLatin1Char('.')) {
        std::string fraction;
        ++i;
        while (i < n && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9')) {
            fraction += char(text.at(i).unicode());
            ++i;
        }
        if (!fraction.empty()) {
            digits += '.' + fraction;
            any = true;
        }
    }
    if (!any)
        return 0.0;
    if (digits.front() == '+')
        digits.erase(0, 1);
    double value = 0.0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (!std::isfinite(value))
        return 0.0;
    return value == 0.0 ? 0.0 : value; // no negative zero
}

namespace {
// Shortest round-trip text in fixed notation (never an exponent), as the program stores numbers.
template <typename T> QString shortest(T value) {
    if (value == T(0) || !std::isfinite(value))
        return QStringLiteral("0");
    char buffer[512];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}
} // namespace

QString numberText(double value) { return shortest(value); }

QString singleText(float value) { return shortest(value); }

} // namespace brevmark
