#pragma once

#include <QString>
#include <array>

namespace brevmark {

class ImportGrid;

// The table function panel `表格功能窗`: a bar of seven positions (items `表功能圖` 0 to 6) for
// one row (opened on its row label) or one column (opened on its header). Which items are
// offered follows from where the row or column lies, so no move leaves the table.
class TableFunctions {
public:
    enum class Mode { Row, Column };
    enum Item {
        Unused = 0,
        RemoveRow = 1,
        Clear = 2,
        RowUp = 3,
        RowDown = 4,
        ColumnLeft = 5,
        ColumnRight = 6
    };
    static constexpr int itemCount = 7;
    using Offered = std::array<bool, itemCount>;

    // Row k of the range, or column k of the shown columns.
    static Offered offered(Mode mode, int k, const ImportGrid& grid);
    // The item whose band of the bar holds x (twips from the bar's left), or -1 before the first.
    static int itemAt(double x);
    // The left edge of an item's band, where its picture stands when hovered.
    static double bandLeft(int item);
    static double bandRight(int item);
    // The hint of an item in a mode.
    static QString hint(int item, Mode mode);
    // The cell frame's tag for the mode: "寬" for a row, "高" for a column.
    static QString frameTag(Mode mode);

    // Performs an offered item on row or column k; false for an item not offered. Removing a row
    // shortens the range by one.
    static bool perform(int item, Mode mode, int k, ImportGrid& grid);
};

} // namespace brevmark
