#include "records/SettingsStore.h"

#include "common/Cp950.h"
#include "platform/FileSystem.h"
#include "records/AppendAfterLastLine.h"
#include "records/LineReader.h"
#include "records/RecordScanner.h"
#include "records/SettingsKeys.h"

#include <QBuffer>
#include <QSet>

namespace brevmark {

namespace {

constexpr int fieldsPerLine = 2;

// When more entries must fit than the table holds, keep what the program needs: the last copy of
// every key it reads, then the last copy of other keys, then earlier copies, each group in file
// order. The positions kept, in file order.
QList<int> keepWithin(const QList<SettingsStore::Entry>& entries, int limit) {
    const qsizetype n = entries.size();
    QList<int> kept;
    if (n <= limit) {
        for (int i = 0; i < n; ++i)
            kept.append(i);
        return kept;
    }
    QList<int> rank(n);
    QSet<QString> seen;
    for (qsizetype i = n - 1; i >= 0; --i) {
        const QString& key = entries.at(i).key;
        const bool last = !seen.contains(key);
        seen.insert(key);
        rank[i] = last ? (settings_keys::isKnown(key) ? 0 : 1) : 2;
    }
    QList<bool> keep(n, false);
    int count = 0;
    for (int level = 0; level <= 2 && count < limit; ++level)
        for (qsizetype i = 0; i < n && count < limit; ++i)
            if (rank[i] == level) {
                keep[i] = true;
                ++count;
            }
    for (int i = 0; i < n; ++i)
        if (keep[i])
            kept.append(i);
    return kept;
}

// One line "key","value" of these bytes; a double quote only a damaged file can hold is left out,
// as it would end the field.
void appendLine(QByteArray& text, const QByteArray& key, const QByteArray& value) {
    for (const QByteArray* field : {&key, &value}) {
        text += '"';
        text += field->contains('"') ? QByteArray(*field).replace('"', QByteArray()) : *field;
        text += '"';
        text += field == &key ? "," : "\r\n";
    }
}

} // namespace

SettingsStore::SettingsStore(FileSystem& files, QString recordsFolder, QObject* parent)
    : QObject(parent), files_(files), recordsFolder_(std::move(recordsFolder)) {}

QString SettingsStore::filePath() const { return recordsFolder_ + QLatin1Char('/') + fileName(); }

void SettingsStore::append(const Entry& entry, StoredBytes bytes) {
    entries_.append(entry);
    bytes_.append(std::move(bytes));
}

void SettingsStore::keepOnly(const QList<int>& kept) {
    QList<Entry> entries;
    QList<StoredBytes> bytes;
    for (int i : kept) {
        entries.append(entries_.at(i));
        bytes.append(bytes_.at(i));
    }
    entries_ = std::move(entries);
    bytes_ = std::move(bytes);
}

SettingsStore::LoadResult SettingsStore::load() {
    entries_.clear();
    bytes_.clear();
    if (!files_.fileExists(filePath()))
        return LoadResult::Loaded;
    return readEntries(nullptr) ? LoadResult::Loaded : LoadResult::Damaged;
}

bool SettingsStore::loadAsIs(QString* error) {
    entries_.clear();
    bytes_.clear();
    if (!files_.fileExists(filePath()))
        return true;
    return readEntries(error);
}

bool SettingsStore::readEntries(QString* error) {
    QByteArray bytes;
    if (!files_.readBytes(filePath(), &bytes, error))
        return false;
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    RecordScanner scanner(device, fieldsPerLine);
    cp950::FieldDecoder decoder;
    for (;;) {
        const RecordScanner::Status status = scanner.next();
        if (status == RecordScanner::Status::End)
            return true;
        if (status != RecordScanner::Status::Record || entries_.size() >= maxEntries) {
            if (error)
                *error = entries_.size() >= maxEntries
                             ? QStringLiteral("設定超過 %1 項").arg(maxEntries)
                             : QStringLiteral("第 %1 項設定損壞").arg(entries_.size() + 1);
            return false;
        }
        const RecordScanner::Record& r = scanner.record();
        append({decoder.decode(r.fields[0]), decoder.decode(r.fields[1])},
               {r.fields[0].toByteArray(), r.fields[1].toByteArray()});
    }
}

SettingsStore::RepairResult SettingsStore::repair() {
    const QString path = filePath();
    if (!files_.fileExists(path))
        return RepairResult::Vanished;

    // Every line holding exactly two fields, byte for byte without its double quotes.
    QList<Entry> keptEntries;
    QList<StoredBytes> keptBytes;
    QByteArray text;
    if (files_.readBytes(path, &text)) {
        QBuffer device(&text);
        device.open(QIODevice::ReadOnly);
        LineReader lines(device);
        QList<QByteArray> parts;
        cp950::FieldDecoder decoder;
        while (lines.nextRepairable(fieldsPerLine, &parts)) {
            keptEntries.append({decoder.decode(parts.at(0)), decoder.decode(parts.at(1))});
            keptBytes.append({parts.at(0), parts.at(1)});
        }
    }
    if (keptEntries.isEmpty()) {
        files_.removeFile(path);
        return RepairResult::Deleted;
    }
    // More good lines than the table holds would make the next start fail and repair again:
    // keep what the program reads instead.
    entries_ = std::move(keptEntries);
    bytes_ = std::move(keptBytes);
    keepOnly(keepWithin(entries_, maxEntries));
    QString reason;
    if (!files_.replaceBytes(path, serialise(), &reason)) {
        reportWriteFailure(reason);
        return RepairResult::NotWritten;
    }
    return RepairResult::RebuiltEndProgram;
}

bool SettingsStore::set(const QString& key, const QString& value) {
    const QString lacking = cp950::unencodableCharacters(key + value);
    if (!lacking.isEmpty()) {
        emit writeFailed(unencodableTitle(),
                         QStringLiteral("功能設定 記錄檔案使用 Big5 文字，無法儲存下列文字：") +
                             cp950::listedCharacters(lacking) +
                             QStringLiteral("\r\n設定沒有變更。"));
        return false;
    }
    const QByteArray valueBytes = cp950::encode(value);
    // A key read from a damaged line can hold a double quote, which the rewrite leaves out: it
    // would come back as this very key and apply its old value after the new one. It takes the
    // new value too.
    const auto writtenAs = [](const QString& k) {
        return k.contains(QLatin1Char('"')) ? QString(k).remove(QLatin1Char('"')) : k;
    };
    bool matched = false;
    for (qsizetype i = 0; i < entries_.size(); ++i)
        if (entries_.at(i).key == key || writtenAs(entries_.at(i).key) == key) {
            entries_[i].value = value;
            bytes_[i].value = valueBytes;
            matched = true;
        }
    if (matched)
        return rewrite();

    const QByteArray keyBytes = cp950::encode(key);
    if (entries_.size() >= maxEntries) {
        keepOnly(keepWithin(entries_, maxEntries - 1));
        append({key, value}, {keyBytes, valueBytes});
        return rewrite();
    }
    append({key, value}, {keyBytes, valueBytes});
    QByteArray line;
    appendLine(line, keyBytes, valueBytes);
    QString reason;
    if (!files_.appendDecided(filePath(), AppendAfterLastLine::tailSize,
                              AppendAfterLastLine::decide(line, fieldsPerLine), &reason)) {
        reportWriteFailure(reason);
        return false;
    }
    return true;
}

bool SettingsStore::rewrite() {
    QString reason;
    if (!files_.replaceBytes(filePath(), serialise(), &reason)) {
        reportWriteFailure(reason);
        return false;
    }
    return true;
}

void SettingsStore::reportWriteFailure(const QString& reason) {
    emit writeFailed(writeFailedTitle(), QStringLiteral("無法寫入 功能設定 記錄檔案：") +
                                             filePath() + QStringLiteral("\r\n") + reason);
}

QByteArray SettingsStore::serialise() const {
    QByteArray text;
    for (const StoredBytes& b : bytes_)
        appendLine(text, b.key, b.value);
    return text;
}

void SettingsStore::forEach(const QString& key,
                            const std::function<void(const QString&)>& apply) const {
    for (const Entry& e : entries_)
        if (e.key == key)
            apply(e.value);
}

QString SettingsStore::value(const QString& key, const QString& fallback) const {
    QString result = fallback;
    forEach(key, [&](const QString& v) { result = v; });
    return result;
}

bool SettingsStore::contains(const QString& key) const {
    for (const Entry& e : entries_)
        if (e.key == key)
            return true;
    return false;
}

} // namespace brevmark
