#include "records/SettingsStore.h"

#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "records/QuotedFieldReader.h"
#include "records/QuotedFieldWriter.h"
#include "records/RepairedLine.h"
#include "records/SettingsKeys.h"

#include <QRegularExpression>
#include <QSet>

namespace brevmark {

namespace {

// When more entries must fit than the table holds, keep what the program needs: the last copy of
// every key it reads, then the last copy of other keys, then earlier copies, each group in file
// order. The kept entries keep their file order.
QList<SettingsStore::Entry> keepWithin(const QList<SettingsStore::Entry>& entries, int limit) {
    if (entries.size() <= limit)
        return entries;
    const qsizetype n = entries.size();
    QList<int> rank(n);
    QSet<QString> seen;
    for (qsizetype i = n - 1; i >= 0; --i) {
        const QString& key = entries.at(i).key;
        const bool last = !seen.contains(key);
        seen.insert(key);
        rank[i] = last ? (settings_keys::isKnown(key) ? 0 : 1) : 2;
    }
    QList<bool> keep(n, false);
    int kept = 0;
    for (int level = 0; level <= 2 && kept < limit; ++level)
        for (qsizetype i = 0; i < n && kept < limit; ++i)
            if (rank[i] == level) {
                keep[i] = true;
                ++kept;
            }
    QList<SettingsStore::Entry> result;
    for (qsizetype i = 0; i < n; ++i)
        if (keep[i])
            result.append(entries.at(i));
    return result;
}

} // namespace

SettingsStore::SettingsStore(FileSystem& files, MessageBoxes& messages, QString recordsFolder)
    : files_(files), messages_(messages), recordsFolder_(std::move(recordsFolder)) {}

QString SettingsStore::filePath() const { return recordsFolder_ + QLatin1Char('/') + fileName(); }

SettingsStore::LoadResult SettingsStore::load() {
    entries_.clear();
    if (!files_.fileExists(filePath()))
        return LoadResult::Loaded;
    return readEntries(nullptr) ? LoadResult::Loaded : repair();
}

bool SettingsStore::loadAsIs(QString* error) {
    entries_.clear();
    if (!files_.fileExists(filePath()))
        return true;
    return readEntries(error);
}

bool SettingsStore::readEntries(QString* error) {
    QString text;
    if (!files_.readText(filePath(), &text, error))
        return false;
    QuotedFieldReader reader(text);
    while (!reader.atEnd()) {
        const auto key = reader.next();
        const auto value = key ? reader.next() : std::nullopt;
        if (!key || !value || entries_.size() >= maxEntries) {
            if (error)
                *error = entries_.size() >= maxEntries
                             ? QStringLiteral("設定超過 %1 項").arg(maxEntries)
                             : QStringLiteral("第 %1 項設定損壞").arg(entries_.size() + 1);
            return false;
        }
        entries_.append({*key, *value});
    }
    return true;
}

SettingsStore::LoadResult SettingsStore::repair() {
    messages_.warn(QStringLiteral("檔案 修復提示"),
                   QStringLiteral("讀取 功能設定 記錄檔案，發現錯誤，程式將自動修復，功能設定 "
                                  "記錄檔案，點擊 [確定] 進行自動修復"));
    const QString path = filePath();
    if (!files_.fileExists(path))
        return LoadResult::RepairVanished;

    QString text;
    QList<Entry> kept;
    if (files_.readText(path, &text)) {
        static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
        const QStringList lines = text.split(lineEnd);
        for (const QString& line : lines) {
            if (line.isEmpty())
                continue;
            const QStringList parts = repairedLineParts(line);
            if (parts.size() != 2)
                continue;
            kept.append({parts.at(0), parts.at(1)});
        }
    }
    // More good lines than the table holds would make the next start fail and repair again:
    // keep what the program reads instead.
    kept = keepWithin(kept, maxEntries);

    if (!kept.isEmpty()) {
        QString reason;
        if (!files_.replaceText(path, serialise(kept), &reason)) {
            reportWriteFailure(reason);
            entries_ = kept;
            return LoadResult::Loaded;
        }
        messages_.inform(QStringLiteral("完成修復提示"),
                         QStringLiteral("完成：功能設定 記錄檔案修復，程式將自動關閉，請重新執行") +
                             QStringLiteral("\r\n") +
                             QStringLiteral(" 若持續出現錯誤 請手動將資料夾內的【TOP】檔案刪除"));
        return LoadResult::RepairedEndProgram;
    }
    files_.removeFile(path);
    return LoadResult::RepairedDeleted;
}

bool SettingsStore::set(const QString& key, const QString& value) {
    // A key read from a damaged line can hold a double quote, which the rewrite leaves out: it
    // would come back as this very key and apply its old value after the new one. It takes the
    // new value too.
    const auto writtenAs = [](const QString& k) {
        return k.contains(QLatin1Char('"')) ? QString(k).remove(QLatin1Char('"')) : k;
    };
    bool matched = false;
    for (Entry& e : entries_)
        if (e.key == key || writtenAs(e.key) == key) {
            e.value = value;
            matched = true;
        }
    if (matched)
        return rewrite();

    if (entries_.size() >= maxEntries) {
        entries_ = keepWithin(entries_, maxEntries - 1);
        entries_.append({key, value});
        return rewrite();
    }
    entries_.append({key, value});
    QString reason;
    if (!files_.appendText(filePath(), quotedFieldLine({key, value}), &reason)) {
        reportWriteFailure(reason);
        return false;
    }
    return true;
}

bool SettingsStore::rewrite() {
    QString reason;
    if (!files_.replaceText(filePath(), serialise(entries_), &reason)) {
        reportWriteFailure(reason);
        return false;
    }
    return true;
}

void SettingsStore::reportWriteFailure(const QString& reason) {
    messages_.warn(QStringLiteral("檔案 寫入錯誤"), QStringLiteral("無法寫入 功能設定 記錄檔案：") +
                                                        filePath() + QStringLiteral("\r\n") +
                                                        reason);
}

QString SettingsStore::serialise(const QList<Entry>& entries) {
    QString text;
    for (const Entry& e : entries)
        text += quotedFieldLine({e.key, e.value});
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
