#pragma once

#include "records/FormatRecord.h"
#include "records/FormatRecordLines.h"

#include <QList>
#include <QString>
#include <optional>

namespace brevmark {

class FileSystem;

// The barcode format file `排版記錄.zip` in the records folder, plain text despite its name: every
// saved barcode format as its format records, one line each (FormatRecordLines), formats in the
// order they were last saved. The file does not exist until the first format is saved.
class FormatRecordFile {
public:
    static QString fileName() { return QStringLiteral("排版記錄.zip"); }
    // The program writes the file with at most this many records; longer files are still read.
    static constexpr int recordLimit = 30001;

    explicit FormatRecordFile(FileSystem& files);

    // Every record of the file, in file order; nothing when the file cannot be read or holds a
    // damaged line, with the reason in errorString().
    std::optional<QList<FormatRecord>> read(const QString& path);
    // The same as views into the file's text, for going through a large file quickly.
    std::optional<FormatRecordText> readViews(const QString& path);
    // Replaces the whole file with these records in one atomic step (the new content goes to a
    // temporary file first, which is then renamed over the old one). False, with the old file
    // untouched and the reason in errorString(), when it cannot be written.
    bool write(const QString& path, const QList<FormatRecord>& records);
    // The same with the records of a file already read, followed by new ones.
    bool write(const QString& path, const QList<FormatRecordView>& kept,
               const QList<FormatRecord>& added);

    enum class Replace {
        Written,
        Unreadable, // the file cannot be read or is damaged: never written over
        TooMany,    // the file would hold more than the limit
        NotWritten, // the file cannot be written
    };
    // Saving or deleting one format (category and name compared exactly, as two texts): every
    // other record keeps its place and the bytes it was read with, the format's old records
    // leave, and `added` goes to the end (a delete adds nothing). The file is rewritten under its
    // write lock in one atomic step, or made when it is missing. errorString() says why
    // anything but Written came back; the file is then as it was.
    Replace replaceFormat(const QString& path, const QString& category, const QString& name,
                          const QList<FormatRecord>& added, int limit = recordLimit);
    const QString& errorString() const { return error_; }

private:
    FileSystem& files_;
    QString error_;
};

} // namespace brevmark
