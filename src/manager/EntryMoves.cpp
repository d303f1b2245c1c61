#include "manager/EntryMoves.h"

namespace brevmark {

std::optional<int> entryMoveTarget(int field, EntryMove move, int lastField) {
    int target = -1;
    switch (move) {
    case EntryMove::Next:
        target = field < 6 ? field + 1 : -1;
        break;
    case EntryMove::Previous:
        target = field > 0 ? field - 1 : -1;
        break;
    case EntryMove::Up:
        target = field >= 1 && field <= 3 ? 0 : field >= 4 ? field - 3 : -1;
        break;
    case EntryMove::Down:
        target = field == 0 ? 1 : field >= 1 && field <= 3 ? field + 3 : -1;
        break;
    }
    if (target < 0 || target > lastField)
        return std::nullopt;
    return target;
}

} // namespace brevmark
