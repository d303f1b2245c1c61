#include "import/EditorMoves.h"

namespace brevmark::editor_moves {

std::optional<Cell> target(Arrow arrow, Cell from, Caret caret, int lastRow, int columnCount) {
    switch (arrow) {
    case Arrow::Up:
        if (from.row > 0)
            return Cell{from.row - 1, from.column};
        break;
    case Arrow::Right:
        if (caret.atEnd && from.column < columnCount - 1)
            return Cell{from.row, from.column + 1};
        break;
    case Arrow::Left:
        if (caret.atStart && from.column > 0)
            return Cell{from.row, from.column - 1};
        break;
    case Arrow::Down:
        if (from.row < lastRow)
            return Cell{from.row + 1, from.column};
        break;
    }
    return std::nullopt;
}

} // namespace brevmark::editor_moves
