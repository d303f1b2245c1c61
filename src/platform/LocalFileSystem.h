#pragma once

#include "platform/FileSystem.h"

namespace brevmark {

// The real file system.
class LocalFileSystem : public FileSystem {
public:
    bool fileExists(const QString& path) const override;
    bool folderExists(const QString& path) const override;
    bool createFolder(const QString& path) override;
    QStringList listFolder(const QString& folder, const QString& wildcard) const override;
    bool removeFile(const QString& path) override;
    bool renameFile(const QString& from, const QString& to) override;
    bool readBytes(const QString& path, QByteArray* bytes, QString* error) const override;
    bool replaceBytes(const QString& path, const QByteArray& bytes, QString* error) override;
    bool appendBytes(const QString& path, const QByteArray& bytes, QString* error) override;
};

} // namespace brevmark
