#pragma once

#include <cstdint>

namespace brevmark {

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double roundHalfEven(double value);
std::int64_t roundHalfEvenToInt(double value);

// The program's 16-bit and 8-bit whole values: rounded half to even, then clamped to the range
// instead of overflowing.
std::int16_t toInt16(double value);
std::uint8_t toUInt8(double value);

// Single-precision value as the program holds positions and sizes.
inline float toSingle(double value) { return static_cast<float>(value); }

} // namespace brevmark
