#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

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
