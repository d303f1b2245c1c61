#pragma once

#include "page/Arrangement.h"
#include "page/ItemAspect.h"
#include "page/ItemLook.h"
#include "page/ItemTable.h"
#include "page/LabelPage.h"
#include "page/LayoutMode.h"
#include "page/PlacedItem.h"
#include "page/PointerState.h"
#include "page/TagTable.h"

#include <QObject>
#include <cstdint>

namespace brevmark {

// Everything the page editor knows about the label page: the page, its barcode items with their
// text labels and images. The page changes only through the operations below, and each announces
// what it changed, so that every view (the page's widgets, the panels, the printed page) follows
// the model instead of being told by whoever changed it. The page history (PageDocument) drives
// these operations for the user's edits; start-up, the format preview and brevmark-batch call
// them directly.
//
// Beside the page it keeps the editor's state, which is no part of the page and changes without
// notice: the arrangement and print quantity boxes as typed, the shared pointer state and the
// editor's two item indexes. Neither index is updated when its item is deleted; the editor checks
// that an item exists before it acts on it.
class PageModel : public QObject {
    Q_OBJECT
public:
    explicit PageModel(QObject* parent = nullptr);

    const LabelPage& page() const { return page_; }
    const ItemTable& items() const { return items_; }
    const TagTable& tags() const { return tags_; }
    // The item at an index with its tags, as adding or removing it keeps it.
    PlacedItem placedItem(int index) const;
    // The page indexes whose items exist, in loop order.
    QList<int> pageItems() const;

    // --- the sheet ---
    void setPaper(PaperSize paper, std::int16_t orientation);
    void setLayoutMode(LayoutMode mode) { page_.layoutMode = mode; }
    // Sizes the page from its paper and places it in a viewport of that size (twips).
    void adjustPage(QSizeF viewport);
    // Moves and sizes the page directly (the simple layout puts it around item 0).
    void setPageRect(const QRectF& rect);
    void setPageTopLeft(QPointF topLeft);
    // One pointer move of a page pan; true when the page moved.
    bool panPage(QPointF at);

    // --- barcode items ---
    // Puts items (with their tags) at their indexes, replacing whatever the indexes held.
    void insertItems(const QList<PlacedItem>& placed);
    // Removes the items and their tags; indexes that hold no item are passed over.
    void removeItems(const QList<int>& indexes);
    void setItemRect(int index, const QRectF& rect);
    void setItemText(int index, const QString& text);
    void setItemLook(int index, const ItemLook& look);
    void setItemIdentity(int index, const QString& category, const QString& name);
    // Replaces an existing item's fields and tags as a whole (a format applied to it).
    void replaceItem(const PlacedItem& placed);

    // --- text labels and images ---
    void insertTag(const TagAddress& tag, const TagValue& value);
    void removeTag(const TagAddress& tag);
    void setTag(const TagAddress& tag, const TagValue& value);
    // The value of an existing tag.
    std::optional<TagValue> tag(const TagAddress& tag) const;

    // --- the editor's state: no part of the page, no notice ---
    // `左右間距`, `上下間距`, `起始左`, `起始上` of the arrangement panel; the simple print starts
    // its copies at the start point too.
    ArrangementSettings arrangement;
    QString printQuantity = QStringLiteral("1"); // `列印數量` of the print quantity panel
    PointerState pointer;
    std::int16_t currentItem = 0; // touched by the last pointer action; 0 none
    std::int16_t editedItem = 0;  // shown in the barcode edit panel

signals:
    void paperChanged();
    // The page's place or size in the viewport changed.
    void pagePlaced();
    void itemsInserted(const QList<int>& indexes);
    void itemsRemoved(const QList<int>& indexes);
    void itemChanged(int index, brevmark::ItemAspects what);
    void tagInserted(const brevmark::TagAddress& tag);
    void tagRemoved(const brevmark::TagAddress& tag);
    void tagChanged(const brevmark::TagAddress& tag);

private:
    // A bar width of 0 is drawn, printed and kept as 2.
    static void keepBarWidth(BarcodeAppearance& symbol);
    // Writes an item as the page keeps it.
    void store(int index, const BarcodeItem& item);

    LabelPage page_;
    ItemTable items_;
    TagTable tags_; // text labels and images of each item
};

} // namespace brevmark
