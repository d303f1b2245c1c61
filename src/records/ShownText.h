#pragma once

#include <QString>

namespace brevmark {

// How much of a record's text a list shows. Lists of records line their columns up in a face in
// which a character outside ASCII is twice as wide as one inside, so widths are counted as code
// page 950 counts bytes. A text wider than a list shows is cut to fit and ends in "…"; the record
// stays whole in its file.
class ShownText {
public:
    static constexpr int listWidth = 120;

    // The width of a text in code page 950 bytes: one for an ASCII character, two otherwise.
    static int byteWidth(const QString& text);
    static QString cut(const QString& text, int width = listWidth);
};

} // namespace brevmark
