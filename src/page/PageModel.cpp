#include "page/PageModel.h"

namespace brevmark {

PageModel::PageModel(QObject* parent) : QObject(parent) {}

PlacedItem PageModel::placedItem(int index) const {
    return PlacedItem::of(index, items_.at(index), tags_);
}

QList<int> PageModel::pageItems() const {
    QList<int> indexes;
    for (int k : ItemTable::pageIndexes())
        if (items_.exists(k))
            indexes.append(k);
    return indexes;
}

// ---------------------------------------------------------------- the sheet

void PageModel::setPaper(PaperSize paper, std::int16_t orientation) {
    if (page_.paperSize == paper && page_.orientation == orientation)
        return;
    page_.paperSize = paper;
    page_.orientation = orientation;
    emit paperChanged();
}

void PageModel::adjustPage(QSizeF viewport) {
    page_.adjust(viewport);
    emit pagePlaced();
}

void PageModel::setPageRect(const QRectF& r) {
    page_.left = float(r.left());
    page_.top = float(r.top());
    page_.width = float(r.width());
    page_.height = float(r.height());
    emit pagePlaced();
}

void PageModel::setPageTopLeft(QPointF topLeft) {
    page_.left = float(topLeft.x());
    page_.top = float(topLeft.y());
    emit pagePlaced();
}

bool PageModel::panPage(QPointF at) {
    const bool moved = page_.pan(pointer, at);
    if (moved)
        emit pagePlaced();
    return moved;
}

// ---------------------------------------------------------------- barcode items

void PageModel::keepBarWidth(BarcodeAppearance& symbol) {
    if (symbol.barWidth == 0)
        symbol.barWidth = 2;
}

void PageModel::store(int index, const BarcodeItem& item) {
    items_.put(index, item);
    keepBarWidth(items_.at(index).symbol);
}

void PageModel::insertItems(const QList<PlacedItem>& placed) {
    QList<int> indexes;
    for (const PlacedItem& p : placed) {
        store(p.index, p.item);
        p.storeTags(tags_);
        indexes.append(p.index);
    }
    if (!indexes.isEmpty())
        emit itemsInserted(indexes);
}

void PageModel::removeItems(const QList<int>& indexes) {
    QList<int> removed;
    for (int k : indexes) {
        if (!items_.exists(k))
            continue;
        items_.remove(k);
        tags_.removeAll(k);
        removed.append(k);
    }
    if (!removed.isEmpty())
        emit itemsRemoved(removed);
}

void PageModel::setItemRect(int index, const QRectF& r) {
    if (!items_.exists(index))
        return;
    BarcodeItem& item = items_.at(index);
    ItemAspects what;
    if (item.left != float(r.left()) || item.top != float(r.top()))
        what |= ItemAspect::Position;
    if (item.width != float(r.width()) || item.height != float(r.height()))
        what |= ItemAspect::Size;
    if (!what)
        return;
    item.left = float(r.left());
    item.top = float(r.top());
    item.width = float(r.width());
    item.height = float(r.height());
    emit itemChanged(index, what);
}

void PageModel::setItemText(int index, const QString& text) {
    if (!items_.exists(index) || items_.at(index).symbol.text == text)
        return;
    items_.at(index).symbol.text = text;
    emit itemChanged(index, ItemAspect::Symbol);
}

void PageModel::setItemLook(int index, const ItemLook& look) {
    if (!items_.exists(index))
        return;
    BarcodeItem& item = items_.at(index);
    const ItemLook before = ItemLook::of(item);
    ItemAspects what;
    if (before.symbolDiffers(look))
        what |= ItemAspect::Symbol;
    if (before.frameDiffers(look))
        what |= ItemAspect::Frame;
    if (!what)
        return;
    look.applyTo(item);
    keepBarWidth(item.symbol);
    emit itemChanged(index, what);
}

void PageModel::setItemIdentity(int index, const QString& category, const QString& name) {
    if (!items_.exists(index))
        return;
    BarcodeItem& item = items_.at(index);
    if (item.category == category && item.name == name)
        return;
    item.category = category;
    item.name = name;
    emit itemChanged(index, ItemAspect::Identity);
}

void PageModel::replaceItem(const PlacedItem& placed) {
    if (!items_.exists(placed.index))
        return;
    store(placed.index, placed.item);
    placed.storeTags(tags_);
    emit itemChanged(placed.index, allItemAspects);
}

// ---------------------------------------------------------------- text labels and images

void PageModel::insertTag(const TagAddress& t, const TagValue& value) {
    tags_.remove(t.kind, t.item, t.number);
    const bool put = t.kind == TagKind::Label
                         ? tags_.putLabel(t.item, t.number, std::get<TextLabelItem>(value))
                         : tags_.putImage(t.item, t.number, std::get<ImageItem>(value));
    if (put)
        emit tagInserted(t);
}

void PageModel::removeTag(const TagAddress& t) {
    if (tags_.remove(t.kind, t.item, t.number))
        emit tagRemoved(t);
}

void PageModel::setTag(const TagAddress& t, const TagValue& value) {
    if (t.kind == TagKind::Label) {
        TextLabelItem* label = tags_.label(t.item, t.number);
        if (!label)
            return;
        *label = std::get<TextLabelItem>(value);
    } else {
        ImageItem* image = tags_.image(t.item, t.number);
        if (!image)
            return;
        *image = std::get<ImageItem>(value);
    }
    emit tagChanged(t);
}

std::optional<TagValue> PageModel::tag(const TagAddress& t) const {
    if (t.kind == TagKind::Label) {
        if (const TextLabelItem* label = tags_.label(t.item, t.number))
            return *label;
    } else if (const ImageItem* image = tags_.image(t.item, t.number)) {
        return *image;
    }
    return std::nullopt;
}

} // namespace brevmark
