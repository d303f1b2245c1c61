#pragma once

#include "records/FormatRecord.h"

#include <QList>
#include <QString>
#include <optional>

namespace brevmark {

// The line shape that the barcode format file and the layout files share: one quoted-field line
// of thirteen fields per format record, F0 to F10 as texts, an empty text and the tail number 1.
// Readers read all thirteen fields as texts and keep F0 to F10.
class FormatRecordLines {
public:
    static constexpr int fieldsPerLine = 13;

    // The text of these records, CR LF after each line.
    static QString serialise(const QList<FormatRecord>& records);
    // The records of a text, in order. Nothing, with the reason in *error, when a record is cut
    // short or a quoted field never closes, or when there are more than `limit` records (a
    // negative limit reads any number). Line ends and spaces after the last record are no damage.
    static std::optional<QList<FormatRecord>> parse(const QString& text, QString* error,
                                                    int limit = -1);
    // The first field of the records that code page 950 cannot hold, or nothing when every field
    // can be stored as it is.
    static std::optional<QString> unstorableField(const QList<FormatRecord>& records);
};

} // namespace brevmark
