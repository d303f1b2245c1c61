#pragma once

#include <QString>

namespace brevmark {

// The serial step buttons `流水加減` of the barcode edit panel, by their index.
enum class SerialStep { Add = 0, Subtract = 1 };

// Adds or subtracts one from the number formed by all the digits of a barcode text, wherever
// they stand, and writes the digits back into their places: A0099 + 1 = A0100, 1-9 + 1 = 2-0.
// The number of digits never changes: all nines + 1 wraps to all zeros and all zeros − 1 wraps
// to all nines. Exact for any number of digits. A text without digits comes back unchanged.
QString serialStep(const QString& text, SerialStep step);

// The hint line text while the pointer is over a serial step button, given the barcode text
// box's text.
QString serialStepHint(const QString& entryText, SerialStep step);

} // namespace brevmark
