#pragma once

#include "page/ImageItem.h"
#include "page/TextLabelItem.h"

#include <array>
#include <map>
#include <optional>

namespace brevmark {

// The two kinds of tag inside a barcode item.
enum class TagKind { Label = 0, Image = 1 };

// The text labels and images of every barcode item: up to 50 of each kind per item, numbered 1 to
// 50 (slot 0 exists for loops that run from 0 and is never filled by adding).
class TagTable {
public:
    static constexpr int maxPerItem = 50;

    struct ItemTags {
        std::array<std::optional<TextLabelItem>, maxPerItem + 1> labels;
        std::array<std::optional<ImageItem>, maxPerItem + 1> images;
    };

    // The tags of one barcode item (created empty on first use).
    ItemTags& of(int itemIndex) { return tags_[itemIndex]; }
    const ItemTags* find(int itemIndex) const {
        auto it = tags_.find(itemIndex);
        return it == tags_.end() ? nullptr : &it->second;
    }

    // The first free number 1 to 50 of a kind of tag, or nothing when all are used.
    std::optional<int> firstFree(TagKind kind, int itemIndex) const;
    // Fill the first free number; nothing when all are used.
    std::optional<int> addLabel(int itemIndex, const TextLabelItem& label);
    std::optional<int> addImage(int itemIndex, const ImageItem& image);
    // Fills one number; false (and nothing changes) when it is out of range or already in use.
    bool putLabel(int itemIndex, int number, const TextLabelItem& label);
    bool putImage(int itemIndex, int number, const ImageItem& image);

    TextLabelItem* label(int itemIndex, int number);
    ImageItem* image(int itemIndex, int number);
    const TextLabelItem* label(int itemIndex, int number) const;
    const ImageItem* image(int itemIndex, int number) const;
    bool exists(TagKind kind, int itemIndex, int number) const;

    // Removes one tag; false when it did not exist.
    bool remove(TagKind kind, int itemIndex, int number);
    // Removes every label and image of the item.
    void removeAll(int itemIndex) { tags_.erase(itemIndex); }

private:
    std::map<int, ItemTags> tags_;
};

} // namespace brevmark
