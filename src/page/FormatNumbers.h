#pragma once

#include <QRgb>
#include <QString>
#include <optional>

namespace brevmark {

// How format records write and read their numbers, colours and booleans. Colours are the 24-bit
// RGB value as a decimal number with red in the low byte; booleans are the words True and False.
class FormatNumbers {
public:
    static QString colourText(QRgb colour);
    static QString boolText(bool value) {
        return value ? QStringLiteral("True") : QStringLiteral("False");
    }

    // A text that is a number as a whole (spaces around it allowed): nothing for anything else,
    // such as a damaged field.
    static std::optional<double> strictNumber(const QString& text);
    // The colour a decimal text names; nothing when the text is not a number.
    static std::optional<QRgb> colourFromText(const QString& text);
    // "True" / "False" in any case, or a number (0 false, anything else true); nothing otherwise.
    static std::optional<bool> boolFromText(const QString& text);
};

} // namespace brevmark
