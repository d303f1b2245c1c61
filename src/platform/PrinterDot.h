#pragma once

#include <QList>

namespace brevmark {

// The resolution a printed document is drawn at, which makes its thinnest line one printer dot.
// Bars are lines one print resolution apart, never thinner than that dot; the calibration scales
// span 3 to 15 twips (96 to 480 dpi), so the dot is 300 dpi when the printer offers it, else the
// nearest offered resolution above, else the highest one (300 when the printer names none).
class PrinterDot {
public:
    static constexpr int preferred = 300;

    static int resolution(const QList<int>& supported);
};

} // namespace brevmark
