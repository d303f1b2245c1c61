#pragma once

#include "import/ImportResult.h"

namespace brevmark {

class ImportGrid;

// `記憶匯入` (spreadsheet import): replaces the grid with cells copied from a spreadsheet. The
// first copied line is the header row; each shown column whose caption equals a header (exact
// comparison, spaces trimmed) receives that spreadsheet column's data rows. At most 150 data
// rows come in at a time.
class SpreadsheetImport {
public:
    static constexpr int maxRows = 150;

    // Changed when the grid was filled (with the excess notice when rows were left out); not
    // changed, with an error message, when the copied text is no spreadsheet copy.
    static ImportResult run(ImportGrid& grid, const QString& clipboardText);
};

} // namespace brevmark
