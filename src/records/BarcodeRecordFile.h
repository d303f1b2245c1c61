#pragma once

#include "records/BarcodeRecord.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace brevmark {

class FileSystem;

// The barcode record file 條碼檔.zip in the records folder: one quoted-field line per record,
// the twelve texts of the record and a tail number (1, or 20 after a repair). Despite its name it
// is plain code page 950 text with CR LF line ends.
//
// Every read and rewrite goes through the file a piece at a time (RecordScanner), so a file of a
// million records is read and rewritten in bounded memory, and reads stop as soon as they have
// what they return. Reads decode only the records they return, and those only up to
// BarcodeRecord::heldLength characters a field. Rewrites (delete, change, swap, repair) copy
// every record they do not change byte for byte, hold the file's write lock (appends of other
// Brevmark processes wait), first make sure the chosen records are still where the caller read
// them, and replace the whole file in one step: a failed or refused rewrite leaves it as it was.
//
// Nothing here talks to the user: every operation returns what happened, and the window that
// called it shows the matching text (RecordFileTexts).
class BarcodeRecordFile {
public:
    static QString fileName() { return QStringLiteral("條碼檔.zip"); }
    // The record-load panel of the main window reads at most this many records.
    static constexpr int loadPanelLimit = 3500;
    // The record manager's full read stops once this many records have been read, and its
    // specified read lists at most this many matches.
    static constexpr int readLimit = 6000;
    static constexpr int storedTail = 1;
    static constexpr int repairedTail = 20;
    static constexpr int fieldsPerLine = BarcodeRecord::textFieldCount + 1;

    enum class ReadOutcome {
        Complete,     // read to the end of the file, or there is no file
        LimitReached, // stopped at a limit: the manager says so (RecordFileTexts)
        Damaged,      // a record is cut short: the file must be repaired (repair())
        Unreadable,   // the file cannot be opened or read: nothing to repair, nothing listed
    };
    struct ReadResult {
        ReadOutcome outcome = ReadOutcome::Complete;
        // The records read, in file order: the first ones up to the read's limit and, for a
        // matching read, every record it took.
        QList<StoredRecord> records;
        // The records a matching read took, in file order.
        QList<StoredRecord> matching;
        // Unreadable: why.
        QString error;
    };

    enum class RepairOutcome {
        Rebuilt,     // rebuilt from the lines that could be read: the program must end now
        NothingKept, // no line could be read: the file is left as it is
        NotWritten,  // the rebuilt file could not be written (error says why): left as it is
    };
    struct RepairResult {
        RepairOutcome outcome = RepairOutcome::NothingKept;
        QString error;
    };

    enum class WriteOutcome {
        Written,
        Refused, // a text holds characters code page 950 cannot hold (error lists them)
        Failed,  // the file could not be written (error says why); it is as it was
        Stale,   // a chosen record is no longer at its position: another program changed the file
        Damaged, // the file is damaged: it must be repaired (repair()) before it can be rewritten
    };
    struct WriteResult {
        WriteOutcome outcome = WriteOutcome::Written;
        QString error;
        bool written() const { return outcome == WriteOutcome::Written; }
    };

    BarcodeRecordFile(FileSystem& files, QString recordsFolder);

    QString filePath() const;
    // Whether the file exists (after putting back a temporary file that an earlier installation
    // left in its place).
    bool exists();

    // The first 3500 records (the main window's panel).
    ReadResult readForLoadPanel();
    // Every record up to the first 6000; LimitReached when the 6000th was read.
    ReadResult readAll();
    // Every record of the whole file whose field k equals entry text k for at least one
    // non-empty entry text (exact comparison), up to 6000 of them (LimitReached when there are
    // more); `records` holds the file's first 6000 records and every record taken.
    ReadResult readMatching(const RecordEntry& entry);

    // Every record of a record file at any path, as it stands, one at a time in file order:
    // nothing is repaired, renamed, written or held beyond the record visited. `visit` returns
    // false to stop. False, with the reason in *error, when the file cannot be read or is
    // damaged; the records visited until then were visited.
    static bool visitAsIs(const FileSystem& files, const QString& path,
                          const std::function<bool(const BarcodeRecord&, int number)>& visit,
                          QString* error);

    // Rebuilds a damaged file from its lines that hold thirteen fields, each kept byte for byte
    // with the tail number 20.
    RepairResult repair();

    // The texts must have been prepared (RecordTextPreparation).
    WriteResult append(const RecordEntry& entry);
    // Appends the records in one write that reaches the disk: the file gains all of them or, when
    // the write fails (or a text cannot be stored), none.
    WriteResult appendAll(const QList<RecordEntry>& entries);
    // The chosen records are as a read returned them.
    WriteResult remove(const StoredRecord& chosen);
    // Fields 0 to 6 of the chosen record become the entry's texts; a text equal to the one the
    // read returned keeps its stored bytes, and the reserved fields stay as stored.
    WriteResult change(const StoredRecord& chosen, const RecordEntry& entry);
    // The two records trade places; each keeps its stored bytes.
    WriteResult swap(const StoredRecord& a, const StoredRecord& b);

    // One stored line of a record.
    static QString recordLine(const BarcodeRecord& record, int tail = storedTail);

private:
    ReadResult read(int keepFirst, const RecordEntry* match);

    FileSystem& files_;
    QString recordsFolder_;
};

} // namespace brevmark
