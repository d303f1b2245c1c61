#include "common/Rounding.h"

#include <cmath>
#include <limits>

namespace brevmark {

double roundHalfEven(double value) {
    if (!std::isfinite(value))
        return value;
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5)
        return floor;
    if (diff > 0.5)
        return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

std::int64_t roundHalfEvenToInt(double value) {
    if (std::isnan(value))
        return 0;
    const double r = roundHalfEven(value);
    if (r >= 9.2e18)
        return std::numeric_limits<std::int64_t>::max();
    if (r <= -9.2e18)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(r);
}

std::int16_t toInt16(double value) {
    const std::int64_t r = roundHalfEvenToInt(value);
    if (r > std::numeric_limits<std::int16_t>::max())
        return std::numeric_limits<std::int16_t>::max();
    if (r < std::numeric_limits<std::int16_t>::min())
        return std::numeric_limits<std::int16_t>::min();
    return static_cast<std::int16_t>(r);
}

std::uint8_t toUInt8(double value) {
    const std::int64_t r = roundHalfEvenToInt(value);
    if (r > 255)
        return 255;
    if (r < 0)
        return 0;
    return static_cast<std::uint8_t>(r);
}

} // namespace brevmark
