#pragma once

#include <QString>
#include <cstdint>

namespace brevmark {

// A fixed-point number with four decimals (the print resolution and the sums formed from it),
// held as a count of ten-thousandths so that sums of many steps do not drift.
class Fixed4 {
public:
    constexpr Fixed4() = default;
    // Rounded to four decimals, halves to even.
    static Fixed4 fromDouble(double value);
    static constexpr Fixed4 fromRaw(std::int64_t tenThousandths) {
        Fixed4 f;
        f.raw_ = tenThousandths;
        return f;
    }
    // Leading-number rule, then four decimals.
    static Fixed4 fromText(const QString& text);

    constexpr std::int64_t raw() const { return raw_; }
    constexpr double toDouble() const { return double(raw_) / 10000.0; }
    // Shortest text: no trailing zeros, no trailing period ("7.2", "7", "6.8125").
    QString toText() const;

    constexpr Fixed4 operator+(Fixed4 o) const { return fromRaw(raw_ + o.raw_); }
    constexpr Fixed4 operator-(Fixed4 o) const { return fromRaw(raw_ - o.raw_); }
    // Product rounded back to four decimals.
    Fixed4 operator*(Fixed4 o) const;
    Fixed4 operator*(std::int64_t whole) const { return fromRaw(raw_ * whole); }
    constexpr auto operator<=>(const Fixed4&) const = default;

private:
    std::int64_t raw_ = 0;
};

} // namespace brevmark
