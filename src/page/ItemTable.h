#pragma once

#include "page/BarcodeItem.h"

#include <QList>
#include <cstdint>
#include <optional>
#include <vector>

namespace brevmark {

// The barcode items by index. Indexes 1 to 250 are the page's, without 11, 21, 31, 41 and 51
// (so at most 245 items); 0 is the simple layout's single item and 999 the format panel's
// preview item, both outside every loop over the page.
class ItemTable {
public:
    static constexpr int simpleItem = 0;
    static constexpr int previewItem = 999;
    static constexpr int lastPageIndex = 250;
    static constexpr int pageCapacity = 245;

    ItemTable();

    // True for the indexes that page items may take.
    static bool isPageIndex(int index);
    // The page indexes in loop order (1 to 250 without the five skipped ones).
    static const QList<int>& pageIndexes();

    BarcodeItem& at(int index) { return items_.at(std::size_t(index)); }
    const BarcodeItem& at(int index) const { return items_.at(std::size_t(index)); }
    bool exists(int index) const;
    // The highest index ever filled since start; deletes never lower it.
    int highestInUse() const { return highest_; }
    int count() const;

    // The first free page index, or nothing when all 245 are taken.
    std::optional<int> freeIndex() const;
    // Fills the first free index with a blank item; nothing when the page is full.
    std::optional<int> addBlank(QPointF topLeft, bool labelPrinter);
    // Puts an item at a given index (layout loading, copies), raising the highest index in use.
    void put(int index, const BarcodeItem& item);
    void remove(int index);
    // Removes every page item (index 0 and 999 stay); returns the indexes removed.
    QList<int> clearPage();

private:
    std::vector<BarcodeItem> items_;
    std::uint8_t highest_ = 0;
};

} // namespace brevmark
