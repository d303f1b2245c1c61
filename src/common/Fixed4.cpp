#include "common/Fixed4.h"

#include "common/LeadingNumber.h"
#include "common/Rounding.h"

namespace brevmark {

Fixed4 Fixed4::fromDouble(double value) {
    return fromRaw(roundHalfEvenToInt(value * 10000.0));
}

Fixed4 Fixed4::fromText(const QString& text) { return fromDouble(leadingNumber(text)); }

QString Fixed4::toText() const {
    const bool negative = raw_ < 0;
    const std::int64_t magnitude = negative ? -raw_ : raw_;
    QString text = QString::number(magnitude / 10000);
    QString fraction = QStringLiteral("%1").arg(magnitude % 10000, 4, 10, QLatin1Char('0'));
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += QLatin1Char('.') + fraction;
    return negative && raw_ != 0 ? QLatin1Char('-') + text : text;
}

Fixed4 Fixed4::operator*(Fixed4 o) const {
    // 128-bit intermediate: raw values of a few million multiply well past 64 bits only in theory,
    // but the product of two scaled values must be divided back exactly.
    const __int128 product = static_cast<__int128>(raw_) * o.raw_;
    const __int128 quotient = product / 10000;
    const __int128 remainder = product % 10000;
    __int128 result = quotient;
    const __int128 twice = remainder * 2;
    if (twice > 10000 || (twice == 10000 && (quotient % 2 != 0)))
        result += 1;
    else if (twice < -10000 || (twice == -10000 && (quotient % 2 != 0)))
        result -= 1;
    return fromRaw(static_cast<std::int64_t>(result));
}

} // namespace brevmark
