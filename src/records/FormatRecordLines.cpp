#include "records/FormatRecordLines.h"

#include "common/Cp950.h"
#include "records/QuotedFieldReader.h"

namespace brevmark {

namespace {

bool isTrailingBlank(QChar c) {
    return c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char(' ');
}

// The same line as quotedFieldLine writes, appended in place: files of many thousand records
// are written without a string for every field. Texts are never escaped, so a double quote that
// a damaged line's bare field holds (C"x) is left out, as quotedFieldLine leaves it out: written
// as it is it would end the field early and the line would read as another format.
template <typename Record> void appendLine(QString& text, const Record& record) {
    for (int f = 0; f < FormatRecord::fieldCount; ++f) {
        text += QLatin1Char('"');
        const QStringView field = record[f];
        if (field.contains(QLatin1Char('"'))) {
            for (const QChar c : field)
                if (c != QLatin1Char('"'))
                    text += c;
        } else {
            text += field;
        }
        text += QLatin1String("\",");
    }
    text += QLatin1String("\"\",1\r\n");
}

template <typename Records> qsizetype lineSize(const Records& records) {
    qsizetype size = 0;
    for (const auto& r : records)
        for (int f = 0; f < FormatRecord::fieldCount; ++f)
            size += r[f].size() + 3;
    return size + records.size() * 8;
}

template <typename Records> void appendLines(QString& text, const Records& records) {
    for (const auto& r : records)
        appendLine(text, r);
}

template <typename Records> QString linesOf(const Records& records) {
    QString text;
    text.reserve(lineSize(records));
    appendLines(text, records);
    return text;
}

} // namespace

FormatRecord FormatRecordView::toRecord() const {
    FormatRecord record;
    for (int f = 0; f < FormatRecord::fieldCount; ++f)
        record[f] = fields[std::size_t(f)].toString();
    return record;
}

QList<FormatRecord> FormatRecordText::toRecords() const {
    QList<FormatRecord> records;
    records.reserve(records_.size());
    for (const FormatRecordView& view : records_)
        records.append(view.toRecord());
    return records;
}

QString FormatRecordLines::serialise(const QList<FormatRecord>& records) {
    return linesOf(records);
}

QString FormatRecordLines::serialise(const QList<FormatRecordView>& records) {
    return linesOf(records);
}

QString FormatRecordLines::serialise(const QList<FormatRecordView>& records,
                                     const QList<FormatRecord>& more) {
    QString text;
    text.reserve(lineSize(records) + lineSize(more));
    appendLines(text, records);
    appendLines(text, more);
    return text;
}

std::optional<FormatRecordText> FormatRecordLines::read(QString text, QString* error, int limit) {
    qsizetype end = text.size();
    while (end > 0 && isTrailingBlank(text.at(end - 1)))
        --end;
    FormatRecordText result;
    result.text_ = std::move(text);
    result.text_.truncate(end);
    QuotedFieldReader reader(result.text_);
    while (!reader.atEnd()) {
        if (limit >= 0 && result.records_.size() >= limit) {
            if (error)
                *error = QStringLiteral("記錄超過 %1 筆").arg(limit);
            return std::nullopt;
        }
        FormatRecordView record;
        for (int f = 0; f < fieldsPerLine; ++f) {
            const std::optional<QStringView> field = reader.nextView();
            if (!field) {
                if (error)
                    *error = QStringLiteral("第 %1 筆記錄損壞").arg(result.records_.size() + 1);
                return std::nullopt;
            }
            if (f < FormatRecord::fieldCount)
                record.fields[std::size_t(f)] = *field;
        }
        result.records_.append(record);
    }
    return result;
}

std::optional<QList<FormatRecord>> FormatRecordLines::parse(const QString& text, QString* error,
                                                            int limit) {
    const std::optional<FormatRecordText> read = FormatRecordLines::read(text, error, limit);
    if (!read)
        return std::nullopt;
    return read->toRecords();
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
