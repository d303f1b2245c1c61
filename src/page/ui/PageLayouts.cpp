#include "page/ui/PageLayouts.h"

#include "page/LayoutPlacement.h"
#include "page/ui/PageEditor.h"
#include "page/ui/TagEditor.h"

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
    TagEditor* tags = editor.tags();
    const QList<int> placed = LayoutPlacement::place(
        editor.model(), layout, [tags](const QString& file) { return tags->pictureUsable(file); });
    for (int index : placed) {
        const BarcodeItem item = editor.model().items.at(index);
        editor.putItem(index, item);
        tags->syncTags(index);
        editor.redrawItem(index);
    }
    return int(placed.size());
}

} // namespace brevmark
