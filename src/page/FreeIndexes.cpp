#include "page/FreeIndexes.h"

namespace brevmark {

std::optional<int> FreeIndexes::next() {
    const QList<int>& indexes = ItemTable::pageIndexes();
    while (position_ < indexes.size()) {
        const int k = indexes[position_++];
        if (!items_.exists(k))
            return k;
    }
    return std::nullopt;
}

} // namespace brevmark
