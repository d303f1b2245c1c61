#pragma once

#include <QString>

namespace brevmark {

class ImportGrid;
class MessageBoxes;

// `貼上` (paste): drops any copied text into the grid from the current cell on, one line a row
// and one Tab-separated field a column, as far as the shown columns and row 150 reach. The row
// range does not change.
class PasteImport {
public:
    static constexpr int maxRows = 150;

    // True when the grid changed. An empty clipboard (or one without text) changes nothing.
    static bool run(ImportGrid& grid, const QString& clipboardText, MessageBoxes& messages);
};

} // namespace brevmark
