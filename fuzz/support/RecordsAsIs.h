#pragma once

#include "records/BarcodeRecordFile.h"

#include <QList>
#include <optional>

namespace brevmark::fuzz {

// Every record of a record file as brevmark-batch reads it (nothing repaired or written), or
// nothing when the file does not read.
inline std::optional<QList<BarcodeRecord>> recordsAsIs(const FileSystem& files,
                                                       const QString& path) {
    QList<BarcodeRecord> records;
    QString error;
    const bool read = BarcodeRecordFile::visitAsIs(
        files, path,
        [&records](const BarcodeRecord& record, int) {
            records.append(record);
            return true;
        },
        &error);
    if (!read)
        return std::nullopt;
    return records;
}

} // namespace brevmark::fuzz
