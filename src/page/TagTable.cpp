#include "page/TagTable.h"

namespace brevmark {

namespace {
template <typename Slots> std::optional<int> firstFreeIn(const Slots& entries) {
    for (int j = 1; j <= TagTable::maxPerItem; ++j)
        if (!entries[std::size_t(j)])
            return j;
    return std::nullopt;
}

template <typename Slots, typename Value>
std::optional<int> fillFirstFree(Slots& entries, const Value& value) {
    const std::optional<int> j = firstFreeIn(entries);
    if (j)
        entries[std::size_t(*j)] = value;
    return j;
}

template <typename Slots, typename Value> bool fillNumber(Slots& entries, int j, const Value& v) {
    if (j < 0 || j > TagTable::maxPerItem || entries[std::size_t(j)])
        return false;
    entries[std::size_t(j)] = v;
    return true;
}

bool inRange(int j) {
    return j >= 0 && j <= TagTable::maxPerItem;
}
} // namespace

std::optional<int> TagTable::firstFree(TagKind kind, int itemIndex) const {
    const ItemTags* own = find(itemIndex);
    if (!own)
        return 1;
    return kind == TagKind::Label ? firstFreeIn(own->labels) : firstFreeIn(own->images);
}

std::optional<int> TagTable::addLabel(int itemIndex, const TextLabelItem& label) {
    return fillFirstFree(of(itemIndex).labels, label);
}

std::optional<int> TagTable::addImage(int itemIndex, const ImageItem& image) {
    return fillFirstFree(of(itemIndex).images, image);
}

bool TagTable::putLabel(int itemIndex, int number, const TextLabelItem& label) {
    return fillNumber(of(itemIndex).labels, number, label);
}

bool TagTable::putImage(int itemIndex, int number, const ImageItem& image) {
    return fillNumber(of(itemIndex).images, number, image);
}

TextLabelItem* TagTable::label(int itemIndex, int number) {
    auto it = tags_.find(itemIndex);
    if (it == tags_.end() || !inRange(number) || !it->second.labels[std::size_t(number)])
        return nullptr;
    return &*it->second.labels[std::size_t(number)];
}

ImageItem* TagTable::image(int itemIndex, int number) {
    auto it = tags_.find(itemIndex);
    if (it == tags_.end() || !inRange(number) || !it->second.images[std::size_t(number)])
        return nullptr;
    return &*it->second.images[std::size_t(number)];
}

const TextLabelItem* TagTable::label(int itemIndex, int number) const {
    return const_cast<TagTable*>(this)->label(itemIndex, number);
}

const ImageItem* TagTable::image(int itemIndex, int number) const {
    return const_cast<TagTable*>(this)->image(itemIndex, number);
}

bool TagTable::exists(TagKind kind, int itemIndex, int number) const {
    return kind == TagKind::Label ? label(itemIndex, number) != nullptr
                                  : image(itemIndex, number) != nullptr;
}

bool TagTable::remove(TagKind kind, int itemIndex, int number) {
    auto it = tags_.find(itemIndex);
    if (it == tags_.end() || !inRange(number))
        return false;
    if (kind == TagKind::Label) {
        if (!it->second.labels[std::size_t(number)])
            return false;
        it->second.labels[std::size_t(number)].reset();
    } else {
        if (!it->second.images[std::size_t(number)])
            return false;
        it->second.images[std::size_t(number)].reset();
    }
    return true;
}

} // namespace brevmark
