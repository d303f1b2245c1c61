#pragma once

#include "records/RecordFileTexts.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

namespace brevmark {

class FileSystem;

// Every persistent setting as an ordered table of (key, value) texts, kept in TOP.reg in the
// records folder. The table keeps file order and may hold a key twice; readers apply every copy in
// order, so the last one counts. Every change is written through to the file at once; a rewrite
// writes every entry it did not change with the bytes it was read with.
//
// Nothing here talks to the user: load and repair return what happened, and a write that fails
// is announced by writeFailed with the text to show (the shell shows it).
class SettingsStore : public QObject {
    Q_OBJECT
public:
    struct Entry {
        QString key;
        QString value;
        bool operator==(const Entry&) const = default;
    };

    enum class LoadResult {
        Loaded,  // the file was read (or did not exist)
        Damaged, // the table holds what was read before the damage; repair() decides the rest
    };
    enum class RepairResult {
        RebuiltEndProgram, // rebuilt from the lines that could be read: the program must end now
        Deleted,           // nothing could be saved: the file was deleted, the program goes on
        Vanished,          // the file vanished before the repair; the program goes on
        NotWritten,        // the rebuilt file could not be written (writeFailed said so); the
                           // table holds the lines kept, and the program goes on
    };

    static constexpr int maxEntries = 251;
    // Lines the repair can keep before it chooses which to keep.
    static constexpr int maxRepairLines = 501;
    static QString fileName() { return QStringLiteral("TOP.reg"); }

    SettingsStore(FileSystem& files, QString recordsFolder, QObject* parent = nullptr);

    LoadResult load();
    // After a load found the file damaged: rebuilds it from its lines of exactly two fields.
    RepairResult repair();
    // Reads the file as it stands, for a command that must not change it: nothing is repaired.
    // False, with the reason in *error, when it cannot be read or is damaged.
    bool loadAsIs(QString* error);
    // Stores one value, in memory and in the file. False (after writeFailed) when the file
    // cannot be written or the value holds characters code page 950 cannot hold; memory then
    // still holds the value for this run, unless it was refused.
    bool set(const QString& key, const QString& value);

    // Calls apply for every entry with this key, in table order.
    void forEach(const QString& key, const std::function<void(const QString&)>& apply) const;
    // The value of the last entry with this key, or the fallback.
    QString value(const QString& key, const QString& fallback = QString()) const;
    bool contains(const QString& key) const;

    const QList<Entry>& entries() const { return entries_; }
    QString filePath() const;

    // What the shell shows around a load that found the file damaged.
    static QString repairTitle() { return QStringLiteral("檔案 修復提示"); }
    static QString repairText() {
        return QStringLiteral("讀取 功能設定 記錄檔案，發現錯誤，程式將自動修復，功能設定 "
                              "記錄檔案，點擊 [確定] 進行自動修復");
    }
    static QString repairedTitle() { return QStringLiteral("完成修復提示"); }
    static QString repairedText() {
        return QStringLiteral("完成：功能設定 記錄檔案修復，程式將自動關閉，請重新執行\r\n"
                              " 若持續出現錯誤 請手動將資料夾內的【TOP】檔案刪除");
    }
    static QString writeFailedTitle() { return QStringLiteral("檔案 寫入錯誤"); }
    static QString unencodableTitle() { return RecordFileTexts::unencodableTitle(); }

signals:
    // A write failed or was refused; title and text are the message to show.
    void writeFailed(const QString& title, const QString& text);

private:
    // The bytes an entry is written with: as read, until its value changes.
    struct StoredBytes {
        QByteArray key;
        QByteArray value;
    };
    // Appends the file's entries; false at the first damage (the entries before it stay).
    bool readEntries(QString* error);
    void append(const Entry& entry, StoredBytes bytes);
    void keepOnly(const QList<int>& kept);
    bool rewrite();
    void reportWriteFailure(const QString& reason);
    QByteArray serialise() const;

    FileSystem& files_;
    QString recordsFolder_;
    QList<Entry> entries_;
    QList<StoredBytes> bytes_;
};

} // namespace brevmark
