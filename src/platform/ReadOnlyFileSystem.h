#pragma once

#include "platform/FileSystem.h"

namespace brevmark {

// Another file system seen through a read-only lens: reads and listings pass through, every
// write, rename, removal and new folder is refused (false, with the reason) and leaves the disk
// as it was. For commands that must never change a data file, not even to repair it.
class ReadOnlyFileSystem : public FileSystem {
public:
    explicit ReadOnlyFileSystem(const FileSystem& files) : files_(files) {}

    bool fileExists(const QString& path) const override { return files_.fileExists(path); }
    bool folderExists(const QString& path) const override { return files_.folderExists(path); }
    QStringList listFolder(const QString& folder, const QString& wildcard) const override {
        return files_.listFolder(folder, wildcard);
    }
    bool readBytes(const QString& path, QByteArray* bytes, QString* error) const override {
        return files_.readBytes(path, bytes, error);
    }
    QByteArray lastBytes(const QString& path, int count) const override {
        return files_.lastBytes(path, count);
    }
    std::unique_ptr<QIODevice> openForReading(const QString& path, QString* error) const override {
        return files_.openForReading(path, error);
    }

    bool createFolder(const QString& path) override;
    bool removeFile(const QString& path) override;
    bool renameFile(const QString& from, const QString& to) override;
    bool replaceBytes(const QString& path, const QByteArray& bytes, QString* error) override;
    bool appendBytes(const QString& path, const QByteArray& bytes, QString* error) override;
    bool appendDecided(const QString& path, int tailSize, const DecideAppend& decide,
                       QString* error) override;
    bool rewrite(const QString& path, const ProduceRewrite& produce, QString* error) override;

    // How many changes were refused.
    int refusedChanges() const { return refused_; }

private:
    bool refuse(QString* error);

    const FileSystem& files_;
    int refused_ = 0;
};

} // namespace brevmark
