#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

class QIODevice;

namespace brevmark {

// Reads the records of a quoted-field file from its bytes as they stand, a piece of the file at a
// time, so that a file of any size is read in bounded memory and nothing is decoded that nobody
// looks at. Fields are found exactly as QuotedFieldReader finds them in the decoded text: the
// bytes that end or quote a field (comma, CR, LF, double quote, space) are never part of a
// double-byte character in code page 950, and a lead byte left alone at the very end of the file
// counts as nothing, as the decoder drops it. Fields pair up in reading order, not by line.
class RecordScanner {
public:
    enum class Status {
        Record,    // record() holds the next record
        End,       // no data left
        Damaged,   // the fields ran out inside a record, or a quoted field never closes
        ReadError, // the device failed
    };

    struct Record {
        // The record's number in the file (0 for the first) and where its bytes begin.
        int position = -1;
        qint64 offset = 0;
        // The record's bytes: from the end of the record before it to the end of its last
        // field's terminator (a comma, or CR LF, CR or LF; nothing at the end of the file).
        QByteArrayView bytes;
        // The fields' values as the reader reads them: without the quotes of a quoted field,
        // without the trailing spaces of a bare one.
        std::vector<QByteArrayView> fields;
        // Where the last field's own bytes end within `bytes` (before its terminator).
        qsizetype lastFieldEnd = 0;
    };

    // Reads records of `fieldsPerRecord` fields from the device's current position.
    RecordScanner(QIODevice& device, int fieldsPerRecord, qsizetype chunkSize = 1 << 20);

    // Line ends and spaces after the last record read as nothing rather than as a damaged record
    // (as the format and layout files are read).
    void setTrailingBlanksEnd(bool on) { trailingBlanksEnd_ = on; }

    // Reads the next record; its views stay valid until the next call.
    Status next();
    const Record& record() const { return record_; }
    // The bytes after the last record that read as nothing (a lone lead byte, or the blanks of
    // setTrailingBlanksEnd); valid once next() has returned End.
    QByteArrayView residue() const;

    // The end-of-file rule alone: whether the last byte of these bytes (all of a file's end that
    // follows its last byte below 0x40) is a lead byte left alone, which the decoder drops.
    static bool endsInLoneLeadByte(QByteArrayView tail);

private:
    enum class Parse { Done, NeedMore, Damaged };
    Parse parseRecord();
    bool readMore();
    bool onlyBlanksLeft() const;
    void settleEnd();

    QIODevice& device_;
    const int fieldsPerRecord_;
    const qsizetype chunkSize_;
    QByteArray buffer_;
    qint64 bufferOffset_ = 0; // file offset of buffer_[0]
    qsizetype pos_ = 0;       // where the next record begins within buffer_
    qsizetype end_ = 0;       // how far buffer_ counts: all of it, less a lone lead byte at EOF
    bool eof_ = false;
    bool failed_ = false;
    bool trailingBlanksEnd_ = false;
    int position_ = 0;
    Record record_;
};

} // namespace brevmark
