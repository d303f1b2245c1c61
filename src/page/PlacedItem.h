#pragma once

#include "page/BarcodeItem.h"
#include "page/TagTable.h"

#include <QList>
#include <utility>
#include <variant>

namespace brevmark {

// One text label or image of a barcode item, by kind, item index and number.
struct TagAddress {
    TagKind kind = TagKind::Label;
    int item = -1;
    int number = 0;
    bool operator==(const TagAddress&) const = default;
};

// What a text label or an image holds.
using TagValue = std::variant<TextLabelItem, ImageItem>;

// A barcode item with its text labels and images as they stand at one index: what adding puts
// on the page and what removing takes away, kept by the page history. Only the tags in use are
// held, so a copy costs what the item holds.
struct PlacedItem {
    int index = -1;
    BarcodeItem item;
    QList<std::pair<int, TextLabelItem>> labels; // by number
    QList<std::pair<int, ImageItem>> images;

    // The tags of `index` in a table.
    static PlacedItem of(int index, const BarcodeItem& item, const TagTable& tags);
    // Puts the tags into a table, replacing what the index held there.
    void storeTags(TagTable& tags) const;
};

} // namespace brevmark
