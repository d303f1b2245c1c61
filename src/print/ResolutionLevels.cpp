#include "print/ResolutionLevels.h"

#include "common/Rounding.h"

namespace brevmark::resolution_levels {

Fixed4 standardValue(int k) {
    return Fixed4::fromRaw(68000 + 1000 * std::int64_t(k - 1));
}

QString standardName(int k) {
    return QStringLiteral("A") + QString::number(k);
}

std::optional<int> standardLevelOf(Fixed4 resolution) {
    for (int k = 1; k <= standardCount; ++k)
        if (standardValue(k) == resolution)
            return k;
    return std::nullopt;
}

std::optional<int> standardLevelNamed(const QString& name) {
    for (int k = 1; k <= standardCount; ++k)
        if (name == standardName(k))
            return k;
    return std::nullopt;
}

Fixed4 advancedValue(int k) {
    return Fixed4::fromDouble(15.0 - k * 0.1);
}

QString advancedName(int k) {
    return QStringLiteral("B") + QString::number(k);
}

QString advancedNameFor(Fixed4 resolution) {
    return QStringLiteral("B") + QString::number(toUInt8((15.0 - resolution.toDouble()) * 10.0));
}

} // namespace brevmark::resolution_levels
