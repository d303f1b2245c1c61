#pragma once

#include <QString>

namespace brevmark {

// The key rule of every number entry box: only the digits and Enter, Backspace, Tab and Escape
// pass; every other key is dropped.
class NumberKeyRule {
public:
    // By key code and typed text.
    static bool accepts(int key, const QString& text);
};

} // namespace brevmark
