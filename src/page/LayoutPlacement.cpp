#include "page/LayoutPlacement.h"

#include "page/FormatNumbers.h"
#include "page/PageModel.h"

namespace brevmark {

namespace {
// Applying a format takes a label's size as a whole point size; the page put back keeps the size
// it had (11.25 points for every new label), so that it looks as it did.
void keepFontSizes(PageModel& model, int index, const QList<FormatRecord>& records) {
    int number = 0;
    for (const FormatRecord& r : records) {
        if (r.kind() != FormatRecord::labelKind())
            continue;
        TextLabelItem* label = model.tags.label(index, ++number);
        const std::optional<double> size = FormatNumbers::strictNumber(r[7]);
        if (label && size && *size > 0 && *size < 256) {
            label->fontSize = float(*size);
            label->fitToCaption();
        }
    }
}
} // namespace

QList<int> LayoutPlacement::place(PageModel& model, const Layout& layout,
                                  const FormatMemory::PictureCheck& pictureUsable) {
    QList<int> placed;
    FormatMemory memory;
    for (const LayoutItem& stored : layout.items) {
        const std::optional<int> index = model.items.freeIndex();
        if (!index)
            break;
        model.items.put(*index, BarcodeItem::blank(stored.position.value_or(QPointF()), false));
        model.tags.removeAll(*index);
        memory.setRecords(stored.records);
        BarcodeItem& item = model.items.at(*index);
        memory.apply(item, *index, model.tags, pictureUsable);
        keepFontSizes(model, *index, stored.records);
        item.category.clear();
        item.name.clear();
        placed.append(*index);
    }
    return placed;
}

} // namespace brevmark
