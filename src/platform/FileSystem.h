#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace brevmark {

// The file operations the program uses. Text files are code page 950 with CR LF line ends;
// each file is opened only for one read or one write.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual bool fileExists(const QString& path) const = 0;
    virtual bool folderExists(const QString& path) const = 0;
    virtual bool createFolder(const QString& path) = 0;
    // Names (not paths) of the files in a folder that match a wildcard such as "*.wab".
    virtual QStringList listFolder(const QString& folder, const QString& wildcard) const = 0;
    virtual bool removeFile(const QString& path) = 0;
    virtual bool renameFile(const QString& from, const QString& to) = 0;

    // Whole-file reads and writes of raw bytes; false on failure with a reason in *error.
    virtual bool readBytes(const QString& path, QByteArray* bytes, QString* error = nullptr) const = 0;
    // Replaces the file in one step: the bytes go to the temporary file temporaryPath(path)
    // first, reach the disk, and take the old file's place in one rename, so that the file is
    // never missing and a failed write leaves the old file as it was.
    virtual bool replaceBytes(const QString& path, const QByteArray& bytes,
                              QString* error = nullptr) = 0;
    // Adds the bytes at the end of the file (made when missing) and waits until they reach the
    // disk; a failed append leaves the file as it was.
    virtual bool appendBytes(const QString& path, const QByteArray& bytes,
                             QString* error = nullptr) = 0;
    // The last `count` bytes of a file (fewer when it is shorter; empty when it is missing).
    virtual QByteArray lastBytes(const QString& path, int count) const;

    // The file for reading from its start, a piece at a time; nothing, with the reason, when it
    // cannot be opened.
    virtual std::unique_ptr<QIODevice> openForReading(const QString& path,
                                                      QString* error = nullptr) const;

    // Every write of a data file holds the file's write lock for as long as it works on it, so
    // that Brevmark processes sharing a data folder (desks sharing a network folder) write one at
    // a time and a rewrite never loses lines another one appended meanwhile.

    // What an append writes, decided while the file is locked: how many bytes to take off the
    // file's end first, and the bytes to add.
    struct Append {
        qsizetype dropLast = 0;
        QByteArray bytes;
    };
    using DecideAppend = std::function<Append(const QByteArray& tail)>;
    // Appends under the file's lock (made when missing): `decide` sees the file's last
    // `tailSize` bytes (fewer when it is shorter, empty when it is new) and says what to write.
    // The bytes reach the disk before this returns; a failed append leaves the file as it was.
    virtual bool appendDecided(const QString& path, int tailSize, const DecideAppend& decide,
                               QString* error = nullptr);

    // What a rewrite's producer wants done with what it wrote.
    enum class Rewrite { Replace, Keep };
    using ProduceRewrite = std::function<Rewrite(QIODevice& current, QIODevice& replacement)>;
    // Rewrites an existing file under its lock: `produce` reads the file as it now stands from
    // `current` and writes the new contents to `replacement`. Replace puts the new contents in
    // the file's place as replaceBytes does (they reach the disk first, then one rename); Keep
    // leaves the file as it was. False, with the reason, when the file cannot be locked, read or
    // replaced; the file is then as it was.
    virtual bool rewrite(const QString& path, const ProduceRewrite& produce,
                         QString* error = nullptr);

    // The temporary name a replacement is written under: the path with one underscore appended.
    static QString temporaryPath(const QString& path) { return path + QLatin1Char('_'); }

    // Text helpers in code page 950.
    bool readText(const QString& path, QString* text, QString* error = nullptr) const;
    bool replaceText(const QString& path, const QString& text, QString* error = nullptr);
    // Appends lines. When the file's last line lacks its line end (a file cut short, or ending in
    // half a double-byte character), the line end comes first, so the new lines never join it.
    bool appendText(const QString& path, const QString& text, QString* error = nullptr);
};

} // namespace brevmark
