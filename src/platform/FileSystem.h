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
    // Replaces the file in one step: the bytes go to a temporary file beside it first, so a failed
    // write leaves the old file as it was.
    virtual bool replaceBytes(const QString& path, const QByteArray& bytes,
                              QString* error = nullptr) = 0;
    virtual bool appendBytes(const QString& path, const QByteArray& bytes,
                             QString* error = nullptr) = 0;

    // Text helpers in code page 950.
    bool readText(const QString& path, QString* text, QString* error = nullptr) const;
    bool replaceText(const QString& path, const QString& text, QString* error = nullptr);
    bool appendText(const QString& path, const QString& text, QString* error = nullptr);
};

} // namespace brevmark
