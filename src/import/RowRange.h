#pragma once

namespace brevmark {

// The rows in use of the import grid, 0 to L, set by the range handle `指標` below the last row
// and its guide line `列印底線`: the row count n is the guide line's y divided by 210. Dragging
// moves the handle in steps of one row; releasing it applies the range. Rows keep their texts
// when they leave the range, so they come back when it grows again. Lengths in twips.
class RowRange {
public:
    static constexpr double rowHeight = 210;
    static constexpr double firstHandleTop = 90;
    static constexpr double handleWidth = 210;
    static constexpr double handleHeight = 420;
    // The handle stops growing the range at 150 rows; the spreadsheet import may set one more
    // (the header row) for a moment.
    static constexpr int maxDraggedRows = 150;
    static constexpr int maxLast = 150;

    struct Change {
        int oldLast = 0;
        int newLast = 0;
    };

    int last() const { return last_; }
    int count() const { return last_ + 1; }
    double handleTop() const { return handleTop_; }
    double guideY() const { return handleTop_ + rowHeight; }
    // The grid area reaches to the handle's bottom.
    double gridHeight() const { return handleTop_ + handleHeight; }
    static double rowTop(int row) { return row * rowHeight; }
    // The row count read from the guide line.
    int guideRowCount() const;

    // The pointer in the handle's own coordinates, as its events give it: the press point is
    // kept, so the handle follows the pointer one row at a time.
    void press(double y);
    // True when the handle moved a row.
    bool drag(double y);
    // Apply range: the rows from the guide line.
    Change apply();
    // Set range (n rows): the handle below row n - 1, then apply range.
    Change setRange(int rows);

private:
    double handleTop_ = firstHandleTop;
    double pressY_ = 0;
    int last_ = 0;
};

} // namespace brevmark
