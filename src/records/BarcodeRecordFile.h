#pragma once

#include "records/BarcodeRecord.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace brevmark {

class FileSystem;
class MessageBoxes;

// The barcode record file 條碼檔.zip in the records folder: one quoted-field line per record,
// the twelve texts of the record and a tail number (1, or 20 after a repair). Despite its name it
// is plain code page 950 text with CR LF line ends.
//
// Reads return the records as an owned value with how the read ended; a damaged file is repaired
// from the lines that can still be read, after which the program must end (the caller ends it).
// Rewrites (delete, change, swap, repair) replace the whole file in one step, so the file is
// never missing and a failed write leaves it as it was. Every failure is told to the user here.
class BarcodeRecordFile {
public:
    static QString fileName() { return QStringLiteral("條碼檔.zip"); }
    // The record-load panel of the main window reads at most this many records.
    static constexpr int loadPanelLimit = 3500;
    // The record manager's reads stop (and say so) once this many records have been read.
    static constexpr int readLimit = 6000;
    static constexpr int storedTail = 1;
    static constexpr int repairedTail = 20;

    enum class ReadOutcome {
        Complete,     // read to the end of the file, or there is no file
        LimitReached, // stopped at a limit (the manager's reads have told the user)
        Damaged,      // damaged, and nothing could be rebuilt: no records
        EndProgram,   // damaged and rebuilt: the program must end now
    };
    struct ReadResult {
        ReadOutcome outcome = ReadOutcome::Complete;
        // Every record read, in file order.
        QList<StoredRecord> records;
        // The records a matching read took, in file order.
        QList<StoredRecord> matching;
    };
    enum class WriteOutcome {
        Written,
        NotWritten, // the user has been told why; the file is as it was
        EndProgram, // the file was found damaged and has been rebuilt: the program must end now
    };

    BarcodeRecordFile(FileSystem& files, MessageBoxes& messages, QString recordsFolder);

    QString filePath() const;
    // Whether the file exists (after putting back a temporary file that an earlier installation
    // left in its place).
    bool exists();

    // The first 3500 records, without a message at the limit (the main window's panel).
    ReadResult readForLoadPanel();
    // Every record, up to the 6000 limit (the record manager's list).
    ReadResult readAll();
    // Every record up to the 6000 limit, taking those whose field k equals entry text k for at
    // least one non-empty entry text (exact comparison).
    ReadResult readMatching(const RecordEntry& entry);

    // Every record of a record file at any path, as it stands: nothing is repaired, renamed,
    // written or shown. Nothing, with the reason in *error, when the file cannot be read or is
    // damaged (a read failure as above).
    static std::optional<QList<BarcodeRecord>> readAsIs(const FileSystem& files,
                                                        const QString& path, QString* error);

    // The texts must have been prepared (RecordTextPreparation); texts code page 950 cannot hold
    // are refused with a message naming the characters.
    WriteOutcome append(const RecordEntry& entry);
    // Appends the records in one write that reaches the disk: the file gains all of them or, when
    // the write fails (or a text cannot be stored), none.
    WriteOutcome appendAll(const QList<RecordEntry>& entries);
    WriteOutcome remove(int position);
    // Fields 0 to 6 of the record at the position; its reserved fields stay as stored.
    WriteOutcome change(int position, const RecordEntry& entry);
    // The record at a is written with the caller's copy of record b and the other way round.
    WriteOutcome swap(int a, const BarcodeRecord& copyOfA, int b, const BarcodeRecord& copyOfB);

    // The last failure's reason, for callers that want it beyond the message already shown.
    const QString& errorString() const { return error_; }

    // One stored line of a record.
    static QString recordLine(const BarcodeRecord& record, int tail = storedTail);

private:
    using Match = std::function<bool(const BarcodeRecord&)>;
    ReadResult read(int limit, const QString& limitMessage, const Match& match);
    ReadOutcome repair();
    WriteOutcome rewrite(const std::function<void(QList<StoredRecord>&)>& apply);
    bool refuseUnencodable(const RecordEntry& entry);
    void reportWriteFailure(const QString& reason);

    FileSystem& files_;
    MessageBoxes& messages_;
    QString recordsFolder_;
    QString error_;
};

} // namespace brevmark
