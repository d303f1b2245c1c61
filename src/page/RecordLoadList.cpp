#include "page/RecordLoadList.h"

#include <QSet>

namespace brevmark {

void RecordLoadList::load(const QList<StoredRecord>& records) {
    QList<BarcodeRecord> rows;
    rows.reserve(records.size());
    for (const StoredRecord& r : records)
        rows.append(r.record);
    refill(std::move(rows));
}

void RecordLoadList::refill(QList<BarcodeRecord> rows) {
    rows_ = std::move(rows);
    rebuildValues();
}

void RecordLoadList::rebuildValues() {
    for (int k = 0; k < fieldCount; ++k) {
        QStringList& list = values_[std::size_t(k)];
        list.clear();
        if (!isShown(k))
            continue;
        QSet<QString> seen;
        for (const BarcodeRecord& row : rows_) {
            const QString& value = row[k];
            if (value.isEmpty())
                continue;
            const QString key = value.toCaseFolded();
            if (!seen.contains(key)) {
                seen.insert(key);
                list.append(value);
            }
        }
    }
}

bool RecordLoadList::chooseValue(int field, const QString& value) {
    QList<BarcodeRecord> kept;
    for (const BarcodeRecord& row : rows_)
        if (row[field] == value)
            kept.append(row);
    if (kept.isEmpty())
        return false;
    refill(std::move(kept));
    return true;
}

bool RecordLoadList::narrowByPrefix(const QString& prefix) {
    for (QStringList& list : values_)
        list.clear();
    QList<BarcodeRecord> kept;
    for (const BarcodeRecord& row : rows_)
        if (row.barcode().startsWith(prefix))
            kept.append(row);
    if (kept.isEmpty())
        return false;
    refill(std::move(kept));
    return true;
}

int RecordLoadList::choiceIndex(int field) const {
    return values_[std::size_t(field)].size() == 1 && isShown(field) ? 0 : -1;
}

} // namespace brevmark
