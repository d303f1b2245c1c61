#pragma once

#include "common/Fixed4.h"

#include <QString>
#include <optional>

namespace brevmark {

// The two scales that name print resolutions. Standard levels A1 to A9 are 6.8 to 7.6 twips in
// steps of 0.1 (A5, 7.2, by default); advanced levels B0 to B120 are 15 down to 3 twips in steps
// of 0.1 (B78 is 7.2).
namespace resolution_levels {

inline constexpr int standardCount = 9;
inline constexpr int advancedLast = 120;
inline constexpr Fixed4 defaultResolution = Fixed4::fromRaw(72000);

// Level k, 1 to 9.
Fixed4 standardValue(int k);
QString standardName(int k);
// The standard level with exactly this value.
std::optional<int> standardLevelOf(Fixed4 resolution);
// The level a name "A1" to "A9" stands for.
std::optional<int> standardLevelNamed(const QString& name);

// Level k, 0 to 120.
Fixed4 advancedValue(int k);
QString advancedName(int k);
// "B" followed by (15 − r) × 10 rounded, kept within 0 to 255.
QString advancedNameFor(Fixed4 resolution);

} // namespace resolution_levels
} // namespace brevmark
