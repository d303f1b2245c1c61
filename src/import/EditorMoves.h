#pragma once

#include <optional>

namespace brevmark {

// Where the arrow keys take the cell editor `修改文字`: up and down between the rows of the
// range, left and right between the shown columns once the caret stands at the text's start or
// end (elsewhere the caret moves inside the text).
namespace editor_moves {

enum class Arrow { Up, Down, Left, Right };

struct Caret {
    bool atStart = false;
    bool atEnd = false;
};

struct Cell {
    int row = 0;
    int column = 0;
    bool operator==(const Cell&) const = default;
};

// The cell to move to, or nothing when the key stays in the cell.
std::optional<Cell> target(Arrow arrow, Cell from, Caret caret, int lastRow, int columnCount);

} // namespace editor_moves

} // namespace brevmark
