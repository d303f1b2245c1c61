#include "page/PageLayouts.h"

#include "page/PageEditor.h"

namespace brevmark {

Layout PageLayouts::capture(PageEditor& editor) {
    Layout layout;
    ItemTable& items = editor.model().items;
    for (int k : ItemTable::pageIndexes()) {
        if (!items.exists(k))
            continue;
        editor.captureFormat(k);
        const BarcodeItem& item = items.at(k);
        layout.items.append({QPointF(item.left, item.top), editor.formatMemory().records()});
    }
    return layout;
}

int PageLayouts::place(PageEditor& editor, const Layout& layout) {
    FormatMemory& memory = editor.formatMemory();
    const QList<FormatRecord> memoryBefore = memory.records();
    ItemTable& items = editor.model().items;
    int placed = 0;
    for (const LayoutItem& stored : layout.items) {
        const std::optional<int> index = items.freeIndex();
        if (!index)
            break;
        BarcodeItem item = BarcodeItem::blank(stored.position.value_or(QPointF()), false);
        editor.putItem(*index, item);
        editor.deleteAllTags(*index);
        memory.setRecords(stored.records);
        editor.applyFormat(*index);
        items.at(*index).category.clear();
        items.at(*index).name.clear();
        editor.redrawItem(*index);
        ++placed;
    }
    memory.setRecords(memoryBefore);
    return placed;
}

} // namespace brevmark
