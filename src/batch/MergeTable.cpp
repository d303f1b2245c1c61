#include "batch/MergeTable.h"

#include "records/BarcodeRecordFile.h"

namespace brevmark {

bool MergeTable::visitRows(const std::function<bool(const Row&)>& visit, QString* error) const {
    if (!files) {
        for (const Row& row : rows)
            if (!visit(row))
                break;
        return true;
    }
    Row row;
    return BarcodeRecordFile::visitAsIs(
        *files, recordFile,
        [&](const BarcodeRecord& record, int number) {
            const RecordEntry entry = record.entry();
            row.source = number;
            row.cells = QStringList(entry.begin(), entry.end());
            return visit(row);
        },
        error);
}

std::optional<int> MergeTable::columnOf(const QString& caption) const {
    const qsizetype column = captions.indexOf(caption);
    if (column < 0)
        return std::nullopt;
    return int(column);
}

QString MergeTable::captionList() const {
    QStringList quoted;
    for (const QString& caption : captions)
        quoted << QStringLiteral("「") + caption + QStringLiteral("」");
    return quoted.join(QStringLiteral("、"));
}

} // namespace brevmark
