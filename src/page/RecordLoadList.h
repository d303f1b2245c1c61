#pragma once

#include "records/BarcodeRecord.h"

#include <QList>
#include <QStringList>
#include <array>

namespace brevmark {

// What the main window's record-load panel `條碼載入窗` holds: the row table of the records read
// (at most 3500), and for each shown field the distinct non-empty values of the rows (the value
// lists `篩選項` 0 to 6; list 0, the barcodes, is the one a barcode is picked from). Narrowing by
// a field value or by a barcode prefix replaces the row table with the rows it keeps, so
// narrowings add up until the next read.
class RecordLoadList {
public:
    static constexpr int fieldCount = BarcodeRecord::entryFieldCount;

    // Fields 0 and 1 are always shown, fields 2 to lastShownField too.
    void setLastShownField(int lastShownField) { lastShown_ = lastShownField; }
    bool isShown(int field) const { return field <= qMax(1, lastShown_); }

    // A read of the record file: the rows become the row table, the value lists are rebuilt.
    void load(const QList<StoredRecord>& records);
    // `寫入選擇清單`: the rows become the row table and the value lists are rebuilt from them.
    void refill(QList<BarcodeRecord> rows);

    const QList<BarcodeRecord>& rows() const { return rows_; }
    const QStringList& values(int field) const { return values_[std::size_t(field)]; }

    // A value chosen in the choice list of field k: the rows whose field k equals it exactly;
    // when at least one row is kept the panel is refilled from them. True when refilled.
    bool chooseValue(int field, const QString& value);
    // The prefix filter: the value lists are emptied, then the rows whose barcode begins with
    // the prefix (exact comparison) refill the panel when there is at least one. True when found.
    bool narrowByPrefix(const QString& prefix);

    // The caption fill: a choice list shows its one entry (index 0) when it holds exactly one and
    // the field is shown, otherwise the field's caption (no entry, -1).
    int choiceIndex(int field) const;

private:
    void rebuildValues();

    QList<BarcodeRecord> rows_;
    std::array<QStringList, fieldCount> values_;
    int lastShown_ = 1;
};

} // namespace brevmark
