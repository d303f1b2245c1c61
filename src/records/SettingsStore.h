#pragma once

#include <QList>
#include <QString>
#include <functional>

namespace brevmark {

class FileSystem;
class MessageBoxes;

// Every persistent setting as an ordered table of (key, value) texts, kept in TOP.reg in the
// records folder. The table keeps file order and may hold a key twice; readers apply every copy in
// order, so the last one counts. Every change is written through to the file at once.
class SettingsStore {
public:
    struct Entry {
        QString key;
        QString value;
        bool operator==(const Entry&) const = default;
    };

    // What a load ended with.
    enum class LoadResult {
        Loaded,            // the file was read (or did not exist)
        RepairedEndProgram, // the file was damaged and rebuilt; the program must end now
        RepairedDeleted,   // nothing could be saved: the file was deleted, the program goes on
        RepairVanished,    // the file vanished before the repair; the program goes on
    };

    static constexpr int maxEntries = 251;
    // Lines the repair can keep before it chooses which to keep.
    static constexpr int maxRepairLines = 501;
    static QString fileName() { return QStringLiteral("TOP.reg"); }

    SettingsStore(FileSystem& files, MessageBoxes& messages, QString recordsFolder);

    LoadResult load();
    // Reads the file as it stands, for a command that must not change it: nothing is repaired or
    // shown. False, with the reason in *error, when it cannot be read or is damaged.
    bool loadAsIs(QString* error);
    // Stores one value, in memory and in the file. False (after telling the user) when the file
    // cannot be written; memory then still holds the value for this run.
    bool set(const QString& key, const QString& value);

    // Calls apply for every entry with this key, in table order.
    void forEach(const QString& key, const std::function<void(const QString&)>& apply) const;
    // The value of the last entry with this key, or the fallback.
    QString value(const QString& key, const QString& fallback = QString()) const;
    bool contains(const QString& key) const;

    const QList<Entry>& entries() const { return entries_; }
    QString filePath() const;

private:
    // Appends the file's entries; false at the first damage (the entries before it stay).
    bool readEntries(QString* error);
    LoadResult repair();
    bool rewrite();
    void reportWriteFailure(const QString& reason);
    static QString serialise(const QList<Entry>& entries);

    FileSystem& files_;
    MessageBoxes& messages_;
    QString recordsFolder_;
    QList<Entry> entries_;
};

} // namespace brevmark
