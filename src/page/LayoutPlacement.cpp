#include "page/LayoutPlacement.h"

#include "page/FormatNumbers.h"
#include "page/FreeIndexes.h"
#include "page/PageModel.h"

namespace brevmark {

namespace {
// Applying a format takes a label's size as a whole point size; the page put back keeps the size
// it had, so that it looks as it did.
void keepFontSizes(PlacedItem& placed, const QList<FormatRecord>& records) {
    int number = 0;
    for (const FormatRecord& r : records) {
        if (r.kind() != FormatRecord::labelKind())
            continue;
        ++number;
        const std::optional<double> size = FormatNumbers::strictNumber(r[7]);
        if (!size || *size <= 0 || *size >= 256)
            continue;
        for (auto& [n, label] : placed.labels) {
            if (n == number) {
                label.fontSize = float(*size);
                label.fitToCaption();
            }
        }
    }
}
} // namespace

QList<PlacedItem> LayoutPlacement::plan(const ItemTable& items, const Layout& layout,
                                        const Options& options,
                                        const FormatMemory::PictureCheck& pictureUsable) {
    QList<PlacedItem> planned;
    FreeIndexes free(items);
    FormatMemory memory;
    for (const LayoutItem& stored : layout.items) {
        const std::optional<int> index = free.next();
        if (!index)
            break;
        memory.setRecords(stored.records);
        PlacedItem placed = memory.filled(
            *index, BarcodeItem::blank(stored.position.value_or(options.origin), false),
            pictureUsable);
        if (options.exactFontSizes)
            keepFontSizes(placed, stored.records);
        if (!options.namedByGroup) {
            placed.item.category.clear();
            placed.item.name.clear();
        }
        planned.append(placed);
    }
    return planned;
}

QList<int> LayoutPlacement::place(PageModel& model, const Layout& layout,
                                  const FormatMemory::PictureCheck& pictureUsable) {
    const QList<PlacedItem> planned = plan(model.items(), layout, Options{}, pictureUsable);
    model.insertItems(planned);
    QList<int> indexes;
    for (const PlacedItem& p : planned)
        indexes.append(p.index);
    return indexes;
}

} // namespace brevmark
