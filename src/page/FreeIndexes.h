#pragma once

#include "page/ItemTable.h"

#include <optional>

namespace brevmark {

// The free page indexes of a table in the order new items take them, for planning several new
// items before any of them is on the page.
class FreeIndexes {
public:
    explicit FreeIndexes(const ItemTable& items) : items_(items) {}
    // The next free index, or nothing when the page is full.
    std::optional<int> next();

private:
    const ItemTable& items_;
    qsizetype position_ = 0;
};

} // namespace brevmark
