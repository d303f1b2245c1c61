#pragma once

#include "platform/FileSystem.h"

namespace brevmark {

// The real file system. Writes never go through a symbolic link that leads out of the folder
// holding it (a link inside that folder is written through, the link itself stays).
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
    QByteArray lastBytes(const QString& path, int count) const override;
    std::unique_ptr<QIODevice> openForReading(const QString& path, QString* error) const override;
    bool appendDecided(const QString& path, int tailSize, const DecideAppend& decide,
                       QString* error) override;
    bool rewrite(const QString& path, const ProduceRewrite& produce, QString* error) override;

    // How long a write waits for another process's write of the same file to finish.
    static constexpr int lockWaitMilliseconds = 10000;

    // The file a write to `path` lands in: the path itself, or where a symbolic link there leads.
    // False, with the reason, when the link leads out of the path's folder or nowhere.
    static bool writeTarget(const QString& path, QString* target, QString* error);

private:
    // writeTarget, and not a folder.
    static bool fileTarget(const QString& path, QString* target, QString* error);
};

} // namespace brevmark
