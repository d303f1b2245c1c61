#pragma once

#include "page/PageModel.h"

#include <functional>
#include <optional>

// Setting up a page model for a test the way start-up or a stored layout fills it: through the
// model's own operations, without the page history.
namespace brevmark::test {

inline void putItem(PageModel& model, int index, const BarcodeItem& item) {
    model.insertItems({{index, item, {}, {}}});
}

// Changes fields of an existing item as a whole.
inline void changeItem(PageModel& model, int index,
                       const std::function<void(BarcodeItem&)>& change) {
    PlacedItem placed = model.placedItem(index);
    change(placed.item);
    model.replaceItem(placed);
}

// A tag in the first free number of its kind; nothing when all 50 are used.
inline std::optional<int> addTag(PageModel& model, int item, const TagValue& value) {
    const TagKind kind =
        std::holds_alternative<TextLabelItem>(value) ? TagKind::Label : TagKind::Image;
    for (int j = 1; j <= TagTable::maxPerItem; ++j) {
        if (!model.tags().exists(kind, item, j)) {
            model.insertTag({kind, item, j}, value);
            return j;
        }
    }
    return std::nullopt;
}

inline void changeLabel(PageModel& model, int item, int number,
                        const std::function<void(TextLabelItem&)>& change) {
    TextLabelItem label = *model.tags().label(item, number);
    change(label);
    model.setTag({TagKind::Label, item, number}, label);
}

inline void changeImage(PageModel& model, int item, int number,
                        const std::function<void(ImageItem&)>& change) {
    ImageItem image = *model.tags().image(item, number);
    change(image);
    model.setTag({TagKind::Image, item, number}, image);
}

} // namespace brevmark::test
