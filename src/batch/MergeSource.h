#pragma once

#include "batch/BatchFailure.h"
#include "batch/MergeTable.h"

#include <QString>
#include <QStringList>
#include <variant>

namespace brevmark {

class FileSystem;

// Reads the records a format is merged with, by the file's name:
// - ".csv": UTF-8 text, cells separated by commas, the first row the captions;
// - ".tsv" or ".tab": the same with tabs; ".txt": tabs when its first line holds one, else commas;
// - any other name: a barcode record file (條碼檔.zip, code page 950), read as it stands, never
//   repaired, one record at a time whenever the table's rows are visited; its captions are the
//   seven record fields' captions.
// In a CSV or TSV file the barcode is the column headed by the barcode field's caption, else the
// first column; a row may have fewer cells than the header (the rest are empty), not more.
class MergeSource {
public:
    enum class Kind { RecordFile, Csv, Tsv };

    static Kind kindOf(const QString& path, const QString& firstLine);
    // `recordCaptions` are the seven field captions (barcode first).
    static std::variant<MergeTable, BatchFailure> read(const FileSystem& files, const QString& path,
                                                       const QStringList& recordCaptions);
    // The failure for a file that cannot be used, and for a record file that a visit of its rows
    // found cannot be used.
    static BatchFailure damaged(const QString& path, const QString& why);
    static BatchFailure damagedRecordFile(const QString& path, const QString& why);

private:
    static std::variant<MergeTable, BatchFailure>
    readRecordFile(const FileSystem& files, const QString& path, const QStringList& captions);
    static std::variant<MergeTable, BatchFailure> readDelimited(const QString& path,
                                                                const QByteArray& bytes, Kind kind,
                                                                const QString& barcodeCaption);
};

} // namespace brevmark
