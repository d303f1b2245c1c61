#include "page/ui/PageLayouts.h"

#include "page/FormatNumbers.h"
#include "page/ui/PageEditor.h"
#include "page/ui/TagEditor.h"

namespace brevmark {

namespace {
// Applying a format takes a label's size as a whole point size; the page put back keeps the size
// it had (11.25 points for every new label), so that it looks as it did.
void keepFontSizes(PageEditor& editor, int index, const QList<FormatRecord>& records) {
    int number = 0;
    for (const FormatRecord& r : records) {
        if (r.kind() != FormatRecord::labelKind())
            continue;
        TextLabelItem* label = editor.model().tags.label(index, ++number);
        const std::optional<double> size = FormatNumbers::strictNumber(r[7]);
        if (label && size && *size > 0 && *size < 256) {
            label->fontSize = float(*size);
            label->fitToCaption();
        }
    }
    editor.tags()->syncTags(index);
}
} // namespace

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
        keepFontSizes(editor, *index, stored.records);
        items.at(*index).category.clear();
        items.at(*index).name.clear();
        editor.redrawItem(*index);
        ++placed;
    }
    memory.setRecords(memoryBefore);
    return placed;
}

} // namespace brevmark
