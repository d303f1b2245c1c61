#pragma once

#include "page/BarcodeItem.h"
#include "page/PlacedItem.h"
#include "page/TagTable.h"
#include "records/FormatRecord.h"

#include <QList>
#include <functional>
#include <optional>

namespace brevmark {

// The editor's clipboard for whole barcode items (`寫入貼上記憶` / `貼上條碼格式`): capture
// turns one item with its text labels and images into format records, apply builds an item's
// contents back from them. The same records are what the format file and the layout files store.
class FormatMemory {
public:
    static constexpr int capacity = 257;
    // True when a picture file of that name is in the pictures folder and can be loaded.
    using PictureCheck = std::function<bool(const QString& fileName)>;

    // The tags apply created, by number.
    struct Applied {
        QList<int> labels;
        QList<int> images;
    };

    const QList<FormatRecord>& records() const { return records_; }
    int count() const { return int(records_.size()); }
    // Refills the memory from a file (format record or layout); at most `capacity` records.
    void setRecords(const QList<FormatRecord>& records);

    // Replaces the memory with the item and its tags: the barcode record, then for each number
    // the text label and then the image. Captions are cleaned on the item itself first (field
    // cleaning, then outer spaces) and the labels refitted, since the records cannot carry the
    // characters taken out.
    void capture(const BarcodeItem& item, TagTable::ItemTags* tags);
    // Builds item `itemIndex` from the memory: the barcode record sets the item's fields, label
    // and picture records add tags numbered 1, 2, 3 … in record order. Tags are only added, never
    // removed; a number already in use is skipped. Fields that do not convert keep what the item
    // or the new tag already had.
    Applied apply(BarcodeItem& item, int itemIndex, TagTable& tags,
                  const PictureCheck& pictureUsable) const;
    // The item `base` filled from the memory as apply fills it, with only the tags apply made:
    // what a new item or a format applied to an item puts at `itemIndex`.
    PlacedItem filled(int itemIndex, const BarcodeItem& base,
                      const PictureCheck& pictureUsable) const;
    // The records capture would make of an item, leaving the item as it is: the records carry its
    // captions cleaned, the page keeps them.
    static QList<FormatRecord> recordsOf(const BarcodeItem& item, const TagTable::ItemTags* tags);

    static FormatRecord barcodeRecord(const BarcodeItem& item);
    static FormatRecord labelRecord(const BarcodeItem& item, const TextLabelItem& label);
    static FormatRecord imageRecord(const BarcodeItem& item, const ImageItem& image);
    // Field cleaning and outer spaces, as capture stores a caption.
    static QString cleanCaption(const QString& caption);
    // The label with its caption cleaned and refitted, as capture leaves it on the item; nothing
    // when the caption is clean already.
    static std::optional<TextLabelItem> withCleanCaption(const TextLabelItem& label);

    static void applyBarcode(const FormatRecord& record, BarcodeItem& item);
    static TextLabelItem labelFrom(const FormatRecord& record);
    static ImageItem imageFrom(const FormatRecord& record);

private:
    QList<FormatRecord> records_;
};

} // namespace brevmark
