#pragma once

#include "records/FormatRecord.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>

namespace brevmark {

// One format record's fields F0 to F10 as views into the text they were read from.
struct FormatRecordView {
    std::array<QStringView, FormatRecord::fieldCount> fields;

    QStringView operator[](int f) const { return fields[std::size_t(f)]; }
    QStringView kind() const { return fields[2]; }
    FormatRecord toRecord() const;
};

// The records of one file's text, read without copying their fields: the views point into the
// text, which this value keeps. It can be moved but not copied, so no view outlives its text.
class FormatRecordText {
public:
    FormatRecordText(FormatRecordText&&) = default;
    FormatRecordText& operator=(FormatRecordText&&) = default;
    FormatRecordText(const FormatRecordText&) = delete;
    FormatRecordText& operator=(const FormatRecordText&) = delete;

    const QList<FormatRecordView>& records() const { return records_; }
    QList<FormatRecord> toRecords() const;

private:
    friend class FormatRecordLines;
    FormatRecordText() = default;
    QString text_;
    QList<FormatRecordView> records_;
};

// The line shape that the barcode format file and the layout files share: one quoted-field line
// of thirteen fields per format record, F0 to F10 as texts, an empty text and the tail number 1.
// Readers read all thirteen fields as texts and keep F0 to F10.
class FormatRecordLines {
public:
    static constexpr int fieldsPerLine = 13;

    // The text of these records, CR LF after each line.
    static QString serialise(const QList<FormatRecord>& records);
    static QString serialise(const QList<FormatRecordView>& records);
    // The records of a file already read, followed by new ones.
    static QString serialise(const QList<FormatRecordView>& records,
                             const QList<FormatRecord>& more);
    // The records of a text, in order. Nothing, with the reason in *error, when a record is cut
    // short or a quoted field never closes, or when there are more than `limit` records (a
    // negative limit reads any number). Line ends and spaces after the last record are no damage.
    static std::optional<FormatRecordText> read(QString text, QString* error, int limit = -1);
    static std::optional<QList<FormatRecord>> parse(const QString& text, QString* error,
                                                    int limit = -1);
    // The first field of the records that code page 950 cannot hold, or nothing when every field
    // can be stored as it is.
    static std::optional<QString> unstorableField(const QList<FormatRecord>& records);
};

} // namespace brevmark
