#include "page/PlacedItem.h"

namespace brevmark {

PlacedItem PlacedItem::of(int index, const BarcodeItem& item, const TagTable& tags) {
    PlacedItem placed{index, item, {}, {}};
    if (const TagTable::ItemTags* own = tags.find(index)) {
        for (int j = 0; j <= TagTable::maxPerItem; ++j) {
            if (const auto& label = own->labels[std::size_t(j)])
                placed.labels.append({j, *label});
            if (const auto& image = own->images[std::size_t(j)])
                placed.images.append({j, *image});
        }
    }
    return placed;
}

void PlacedItem::storeTags(TagTable& tags) const {
    tags.removeAll(index);
    for (const auto& [number, label] : labels)
        tags.putLabel(index, number, label);
    for (const auto& [number, image] : images)
        tags.putImage(index, number, image);
}

} // namespace brevmark
