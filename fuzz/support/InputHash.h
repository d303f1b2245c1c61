#pragma once

#include <QByteArray>

#include <cstdint>

namespace brevmark::fuzz {

// A stable number from an input (FNV-1a), for choices such as which record to delete, so that a
// replay makes the same choices as the run that found the input.
inline std::uint32_t inputHash(const QByteArray& bytes) {
    std::uint32_t h = 2166136261u;
    for (const char c : bytes) {
        h ^= std::uint8_t(c);
        h *= 16777619u;
    }
    return h;
}

} // namespace brevmark::fuzz
