#include "records/BarcodeRecordFile.h"

#include "common/Cp950.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "records/QuotedFieldReader.h"
#include "records/RepairedLine.h"

#include <QRegularExpression>

namespace brevmark {

namespace {

const QString tooManyRecords =
    QStringLiteral("資料過多、無法全部顯示、請輸入一項要指定查詢的內容後、按下【指定讀取】按鈕、"
                   "顯示只需要查看的資料");
const QString tooManyMatches =
    QStringLiteral("指定讀取的資料過多、無法全部顯示、請輸入更詳細的內容後、按下【指定讀取】按鈕、"
                   "顯示只需要查看的資料");

QString serialise(const QList<StoredRecord>& records, int tail) {
    QString text;
    text.reserve(records.size() * 64);
    for (const StoredRecord& r : records)
        text += BarcodeRecordFile::recordLine(r.record, tail);
    return text;
}

// The next record: twelve texts and the tail number, which is read and dropped. False when the
// fields run out first (a damaged file).
bool readRecord(QuotedFieldReader& reader, BarcodeRecord* record) {
    for (int k = 0; k < BarcodeRecord::textFieldCount + 1; ++k) {
        std::optional<QString> field = reader.next();
        if (!field)
            return false;
        if (k < BarcodeRecord::textFieldCount)
            record->fields[std::size_t(k)] = std::move(*field);
    }
    return true;
}

} // namespace

BarcodeRecordFile::BarcodeRecordFile(FileSystem& files, MessageBoxes& messages,
                                     QString recordsFolder)
    : files_(files), messages_(messages), recordsFolder_(std::move(recordsFolder)) {}

QString BarcodeRecordFile::filePath() const {
    return recordsFolder_ + QLatin1Char('/') + fileName();
}

bool BarcodeRecordFile::exists() {
    const QString path = filePath();
    if (files_.fileExists(path))
        return true;
    // The earlier program deleted the file before renaming its temporary copy; a stop between
    // the two left the records only in the copy.
    const QString temporary = FileSystem::temporaryPath(path);
    return files_.fileExists(temporary) && files_.renameFile(temporary, path);
}

QString BarcodeRecordFile::recordLine(const BarcodeRecord& record, int tail) {
    QString line;
    line.reserve(64);
    for (const QString& field : record.fields) {
        line += QLatin1Char('"');
        if (field.contains(QLatin1Char('"')))
            line += QString(field).remove(QLatin1Char('"'));
        else
            line += field;
        line += QStringLiteral("\",");
    }
    line += QString::number(tail);
    line += QStringLiteral("\r\n");
    return line;
}

BarcodeRecordFile::ReadResult BarcodeRecordFile::read(int limit, const QString& limitMessage,
                                                      const Match& match) {
    ReadResult result;
    if (!exists())
        return result;
    QString text;
    if (!files_.readText(filePath(), &text, &error_)) {
        // An unreadable file is not a damaged one: nothing to repair, nothing to list.
        messages_.warn(QStringLiteral("檔案 讀取錯誤"), QStringLiteral("無法讀取 條碼記錄檔案：") +
                                                            filePath() + QStringLiteral("\r\n") +
                                                            error_);
        result.outcome = ReadOutcome::Damaged;
        return result;
    }
    QuotedFieldReader reader(std::move(text));
    while (!reader.atEnd()) {
        BarcodeRecord record;
        if (!readRecord(reader, &record)) {
            messages_.warn(QStringLiteral("自動修復提示"),
                           QStringLiteral("讀取 條碼記錄檔案，時發現錯誤，程式將自動修復錯誤"));
            ReadResult damaged;
            damaged.outcome = repair();
            return damaged;
        }
        const StoredRecord stored{int(result.records.size()), std::move(record)};
        if (match && match(stored.record))
            result.matching.append(stored);
        result.records.append(stored);
        if (limit > 0 && result.records.size() >= limit) {
            if (!limitMessage.isEmpty())
                messages_.warn(QStringLiteral("提示"), limitMessage);
            result.outcome = ReadOutcome::LimitReached;
            return result;
        }
    }
    return result;
}

std::optional<QList<BarcodeRecord>>
BarcodeRecordFile::readAsIs(const FileSystem& files, const QString& path, QString* error) {
    QString text;
    QString reason;
    if (!files.readText(path, &text, &reason)) {
        *error = reason;
        return std::nullopt;
    }
    QList<BarcodeRecord> records;
    QuotedFieldReader reader(std::move(text));
    while (!reader.atEnd()) {
        BarcodeRecord record;
        if (!readRecord(reader, &record)) {
            *error = QStringLiteral("第 %1 筆記錄損壞（不足 13 個欄位）").arg(records.size() + 1);
            return std::nullopt;
        }
        records.append(std::move(record));
    }
    return records;
}

BarcodeRecordFile::ReadResult BarcodeRecordFile::readForLoadPanel() {
    return read(loadPanelLimit, QString(), nullptr);
}

BarcodeRecordFile::ReadResult BarcodeRecordFile::readAll() {
    return read(readLimit, tooManyRecords, nullptr);
}

BarcodeRecordFile::ReadResult BarcodeRecordFile::readMatching(const RecordEntry& entry) {
    return read(readLimit, tooManyMatches, [&entry](const BarcodeRecord& record) {
        for (int k = 0; k < BarcodeRecord::entryFieldCount; ++k) {
            const QString& wanted = entry[std::size_t(k)];
            if (!wanted.isEmpty() && record[k] == wanted)
                return true;
        }
        return false;
    });
}

BarcodeRecordFile::ReadOutcome BarcodeRecordFile::repair() {
    QString text;
    if (!files_.readText(filePath(), &text, &error_))
        return ReadOutcome::Damaged;
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    // Every good line is kept, however many there are: dropping readable records is data loss.
    QList<StoredRecord> kept;
    for (const QString& line : text.split(lineEnd)) {
        if (line.isEmpty())
            continue;
        QStringList parts = repairedLineParts(line);
        if (parts.size() != BarcodeRecord::textFieldCount + 1)
            continue;
        parts.removeLast();
        kept.append({int(kept.size()), BarcodeRecord::fromList(parts)});
    }
    if (kept.isEmpty())
        return ReadOutcome::Damaged;
    if (!files_.replaceText(filePath(), serialise(kept, repairedTail), &error_)) {
        reportWriteFailure(error_);
        return ReadOutcome::Damaged;
    }
    messages_.inform(QStringLiteral("完成修復提示"),
                     QStringLiteral("完成：條碼記錄 檔案修復，程式將自動關閉，請重新執行"));
    return ReadOutcome::EndProgram;
}

bool BarcodeRecordFile::refuseUnencodable(const RecordEntry& entry) {
    QString all;
    for (const QString& text : entry)
        all += text;
    const QString characters = cp950::unencodableCharacters(all);
    if (characters.isEmpty())
        return false;
    error_ = QStringLiteral("characters code page 950 cannot hold: ") + characters;
    messages_.warn(QStringLiteral("文字無法儲存"),
                   QStringLiteral("條碼記錄檔案使用 Big5 文字，無法儲存下列文字：") +
                       cp950::listedCharacters(characters) +
                       QStringLiteral("\r\n請修改這些文字後再儲存，檔案沒有變更。"));
    return true;
}

void BarcodeRecordFile::reportWriteFailure(const QString& reason) {
    messages_.warn(QStringLiteral("檔案 寫入錯誤"),
                   QStringLiteral("無法寫入 條碼記錄檔案：") + filePath() + QStringLiteral("\r\n") +
                       reason + QStringLiteral("\r\n檔案沒有變更。"));
}

BarcodeRecordFile::WriteOutcome BarcodeRecordFile::append(const RecordEntry& entry) {
    return appendAll({entry});
}

BarcodeRecordFile::WriteOutcome BarcodeRecordFile::appendAll(const QList<RecordEntry>& entries) {
    for (const RecordEntry& entry : entries)
        if (refuseUnencodable(entry))
            return WriteOutcome::NotWritten;
    if (entries.isEmpty())
        return WriteOutcome::Written;
    QString lines;
    lines.reserve(entries.size() * 64);
    for (const RecordEntry& entry : entries)
        lines += recordLine(BarcodeRecord::fromEntry(entry));
    exists();
    if (!files_.appendText(filePath(), lines, &error_)) {
        reportWriteFailure(error_);
        return WriteOutcome::NotWritten;
    }
    return WriteOutcome::Written;
}

BarcodeRecordFile::WriteOutcome
BarcodeRecordFile::rewrite(const std::function<void(QList<StoredRecord>&)>& apply) {
    if (!exists())
        return WriteOutcome::NotWritten;
    ReadResult current = read(0, QString(), nullptr);
    if (current.outcome == ReadOutcome::EndProgram)
        return WriteOutcome::EndProgram;
    if (current.outcome != ReadOutcome::Complete)
        return WriteOutcome::NotWritten;
    apply(current.records);
    if (!files_.replaceText(filePath(), serialise(current.records, storedTail), &error_)) {
        reportWriteFailure(error_);
        return WriteOutcome::NotWritten;
    }
    return WriteOutcome::Written;
}

BarcodeRecordFile::WriteOutcome BarcodeRecordFile::remove(int position) {
    return rewrite([position](QList<StoredRecord>& records) {
        if (position >= 0 && position < records.size())
            records.removeAt(position);
    });
}

BarcodeRecordFile::WriteOutcome BarcodeRecordFile::change(int position, const RecordEntry& entry) {
    if (refuseUnencodable(entry))
        return WriteOutcome::NotWritten;
    return rewrite([position, &entry](QList<StoredRecord>& records) {
        if (position < 0 || position >= records.size())
            return;
        BarcodeRecord& record = records[position].record;
        for (int k = 0; k < BarcodeRecord::entryFieldCount; ++k)
            record[k] = entry[std::size_t(k)];
    });
}

BarcodeRecordFile::WriteOutcome BarcodeRecordFile::swap(int a, const BarcodeRecord& copyOfA, int b,
                                                        const BarcodeRecord& copyOfB) {
    return rewrite([&](QList<StoredRecord>& records) {
        if (a >= 0 && a < records.size())
            records[a].record = copyOfB;
        if (b >= 0 && b < records.size())
            records[b].record = copyOfA;
    });
}

} // namespace brevmark
