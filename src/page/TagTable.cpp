#include "page/TagTable.h"

namespace brevmark {

namespace {
template <typename Slots, typename Value>
std::optional<int> fillFirstFree(Slots& entries, const Value& value) {
    for (int j = 1; j <= TagTable::maxPerItem; ++j)
        if (!entries[std::size_t(j)]) {
            entries[std::size_t(j)] = value;
            return j;
        }
    return std::nullopt;
}
} // namespace

std::optional<int> TagTable::addLabel(int itemIndex, const TextLabelItem& label) {
    return fillFirstFree(of(itemIndex).labels, label);
}

std::optional<int> TagTable::addImage(int itemIndex, const ImageItem& image) {
    return fillFirstFree(of(itemIndex).images, image);
}

} // namespace brevmark
