#pragma once

#include "import/CellTable.h"

#include <QStringList>

namespace brevmark {

// The conversion table of the clipboard text, filled by `文字轉陣列` (convert): row j, column w
// holds field w of line j, where fields are separated by Tabs (`隔離`). A field keeps at most 30
// characters; a line with more than twelve fields ends the conversion there.
class ConversionTable {
public:
    static constexpr int fieldLength = 30;
    static constexpr QChar separator = QLatin1Char('\t');

    // `文字轉陣列`: lines 0 to lastLine (each trimmed of spaces at both ends, Tabs kept).
    void convert(const QStringList& lines, int lastLine);
    void clear();

    const QString& field(int line, int column) const { return fields_.text(line, column); }
    // W: the highest field index any converted line reached.
    int widest() const { return widest_; }

private:
    CellTable fields_;
    int widest_ = 0;
};

} // namespace brevmark
