#include "records/FormatRecordLines.h"

#include "common/Cp950.h"
#include "records/QuotedFieldReader.h"
#include "records/QuotedFieldWriter.h"

namespace brevmark {

namespace {
bool isTrailingBlank(QChar c) {
    return c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char(' ');
}
} // namespace

QString FormatRecordLines::serialise(const QList<FormatRecord>& records) {
    QString text;
    text.reserve(records.size() * 64);
    for (const FormatRecord& r : records) {
        text += quotedFieldLine({r[0], r[1], r[2], r[3], r[4], r[5], r[6], r[7], r[8], r[9], r[10],
                                 QString(), qint64(1)});
    }
    return text;
}

std::optional<QList<FormatRecord>> FormatRecordLines::parse(const QString& text, QString* error,
                                                            int limit) {
    qsizetype end = text.size();
    while (end > 0 && isTrailingBlank(text.at(end - 1)))
        --end;
    QuotedFieldReader reader(text.left(end));
    QList<FormatRecord> records;
    while (!reader.atEnd()) {
        if (limit >= 0 && records.size() >= limit) {
            if (error)
                *error = QStringLiteral("記錄超過 %1 筆").arg(limit);
            return std::nullopt;
        }
        FormatRecord record;
        for (int f = 0; f < fieldsPerLine; ++f) {
            const std::optional<QString> field = reader.next();
            if (!field) {
                if (error)
                    *error = QStringLiteral("第 %1 筆記錄損壞").arg(records.size() + 1);
                return std::nullopt;
            }
            if (f < FormatRecord::fieldCount)
                record[f] = *field;
        }
        records.append(std::move(record));
    }
    return records;
}

std::optional<QString> FormatRecordLines::unstorableField(const QList<FormatRecord>& records) {
    // One pass over the whole text settles the usual case; only a failure looks field by field.
    if (cp950::canEncode(serialise(records)))
        return std::nullopt;
    for (const FormatRecord& r : records)
        for (const QString& field : r.fields)
            if (!cp950::canEncode(field))
                return field;
    return std::nullopt;
}

} // namespace brevmark
