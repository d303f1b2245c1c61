#pragma once

#include "import/ImportResult.h"

namespace brevmark {

class ImportGrid;

// `貼上` (paste): drops any copied text into the grid from the current cell on, one line a row
// and one Tab-separated field a column, as far as the shown columns and row 150 reach. The row
// range does not change.
class PasteImport {
public:
    static constexpr int maxRows = 150;

    // Changed when the text went into the grid (with the excess notice when lines were left
    // out). An empty clipboard (or one without text) changes nothing and says nothing; a line of
    // spaces says it is too little.
    static ImportResult run(ImportGrid& grid, const QString& clipboardText);
};

} // namespace brevmark
