#pragma once

#include <QString>

namespace brevmark {

class ImportGrid;
class MessageBoxes;

// `記憶匯入` (spreadsheet import): replaces the grid with cells copied from a spreadsheet. The
// first copied line is the header row; each shown column whose caption equals a header (exact
// comparison, spaces trimmed) receives that spreadsheet column's data rows. At most 150 data
// rows come in at a time.
class SpreadsheetImport {
public:
    static constexpr int maxRows = 150;

    // True when the grid was filled; false after an error box, the grid as it was.
    static bool run(ImportGrid& grid, const QString& clipboardText, MessageBoxes& messages);
};

} // namespace brevmark
