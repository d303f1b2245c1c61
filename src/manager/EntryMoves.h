#pragma once

#include <optional>

namespace brevmark {

// How keys move the focus between the record manager's seven entry fields (0 barcode, 1 category,
// 2 name, 3 to 6 custom): Enter and Right go on to the next field, Left back to the previous one;
// Up and Down move between the two rows (fields 0 to 3 over the fields below). A move to a field
// that is not in use does nothing.
enum class EntryMove { Next, Previous, Up, Down };

// The field the move leads to from `field`, or nothing; fields 0 to lastField are in use.
std::optional<int> entryMoveTarget(int field, EntryMove move, int lastField);

} // namespace brevmark
