#pragma once

#include "import/ImportGrid.h"
#include "import/ImportResult.h"
#include "support/ScriptedMessageBoxes.h"

#include <QStringList>
#include <ostream>

namespace brevmark {
inline void PrintTo(const UserMessage& m, std::ostream* out) {
    *out << (m.icon == MessageIcon::Warning ? "warning " : "information ") << m.title.toStdString()
         << ": " << m.text.toStdString();
}
} // namespace brevmark

namespace brevmark::test {

// Texts measured at 100 twips a character, so widths do not depend on the fonts installed.
inline double hundredPerCharacter(const QString& text) {
    return 100.0 * double(text.size());
}

// A grid as the window opens it: four columns with the default captions, one row.
inline ImportGrid openedGrid(int columns = 4) {
    ImportGrid grid(hundredPerCharacter);
    grid.columns().setCount(columns);
    grid.columns().resetWidths();
    grid.range().setRange(1);
    return grid;
}

// The texts of rows 0 to lastRow of a column.
inline QStringList column(const ImportGrid& grid, int c, int lastRow) {
    QStringList texts;
    for (int r = 0; r <= lastRow; ++r)
        texts << grid.cells().text(r, c);
    return texts;
}

// Lines joined as a spreadsheet copies them: each line ended by `end`.
inline QString copied(const QStringList& lines, const QString& end) {
    QString text;
    for (const QString& line : lines)
        text += line + end;
    return text;
}

} // namespace brevmark::test
