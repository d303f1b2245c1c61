#include "page/ItemTable.h"

namespace brevmark {

ItemTable::ItemTable() : items_(1000) {}

bool ItemTable::isPageIndex(int index) {
    if (index < 1 || index > lastPageIndex)
        return false;
    return !(index == 11 || index == 21 || index == 31 || index == 41 || index == 51);
}

const QList<int>& ItemTable::pageIndexes() {
    static const QList<int> indexes = [] {
        QList<int> all;
        for (int k = 1; k <= lastPageIndex; ++k)
            if (isPageIndex(k))
                all.append(k);
        return all;
    }();
    return indexes;
}

bool ItemTable::exists(int index) const {
    return index >= 0 && index < int(items_.size()) && items_[std::size_t(index)].isInUse();
}

int ItemTable::count() const {
    int n = 0;
    for (int k : pageIndexes())
        n += exists(k) ? 1 : 0;
    return n;
}

std::optional<int> ItemTable::freeIndex() const {
    for (int k : pageIndexes())
        if (!exists(k))
            return k;
    return std::nullopt;
}

std::optional<int> ItemTable::addBlank(QPointF topLeft, bool labelPrinter) {
    const std::optional<int> index = freeIndex();
    if (index)
        put(*index, BarcodeItem::blank(topLeft, labelPrinter));
    return index;
}

void ItemTable::put(int index, const BarcodeItem& item) {
    at(index) = item;
    at(index).exists = -1;
    if (isPageIndex(index) && index > highest_)
        highest_ = std::uint8_t(index);
}

void ItemTable::remove(int index) {
    at(index).exists = 0;
}

QList<int> ItemTable::clearPage() {
    QList<int> removed;
    for (int k : pageIndexes()) {
        if (exists(k)) {
            remove(k);
            removed.append(k);
        }
    }
    return removed;
}

} // namespace brevmark
