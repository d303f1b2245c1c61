#pragma once

#include "common/Fixed4.h"

#include <cstdint>

namespace brevmark {

// The settings every print uses: the printer kind (`印表裝置`) and the print resolution
// (`列印解析度`). Start-up fills the program's one copy; the settings window changes it at once,
// and every print reads it as it is at that moment.
struct PrintSettings {
    // Bars further apart than an inch are no printer's: a stored resolution beyond it is passed
    // over (the one in force stays), and brevmark-batch refuses one on its command line.
    static constexpr double largestResolution = 1440;

    std::uint8_t printerKind = 0;               // 0 page printer, 1 label printer
    Fixed4 resolution = Fixed4::fromRaw(72000); // twips between two module lines; 7.2

    bool isLabelPrinter() const { return printerKind == 1; }
};

} // namespace brevmark
