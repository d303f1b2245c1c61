#pragma once

#include <QString>
#include <array>

namespace brevmark {

// A fixed table of 201 rows (0 to 200) by 12 columns (0 to 11) of texts: the import grid's cells
// and the conversion table of the clipboard text have this shape. Indexes outside the table read
// as empty and are not written.
class CellTable {
public:
    static constexpr int rows = 201;
    static constexpr int columns = 12;

    const QString& text(int row, int column) const;
    void setText(int row, int column, const QString& text);
    void clear();

    // Cells (row, 0 to columnCount - 1) emptied.
    void clearRow(int row, int columnCount);
    // Cells (0 to lastRow, column) emptied.
    void clearColumn(int column, int lastRow);
    // Rows row + 1 to lastRow move up one row (columns 0 to columnCount - 1); lastRow is emptied.
    void removeRow(int row, int lastRow, int columnCount);
    void swapRows(int a, int b, int columnCount);
    void swapColumns(int a, int b, int lastRow);

    static bool contains(int row, int column) {
        return row >= 0 && row < rows && column >= 0 && column < columns;
    }

private:
    std::array<std::array<QString, columns>, rows> cells_;
};

} // namespace brevmark
