#include "platform/LocalFileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace brevmark {

namespace {
void setError(QString* error, const QString& text) {
    if (error)
        *error = text;
}
} // namespace

bool LocalFileSystem::fileExists(const QString& path) const { return QFileInfo(path).isFile(); }

bool LocalFileSystem::folderExists(const QString& path) const { return QFileInfo(path).isDir(); }

bool LocalFileSystem::createFolder(const QString& path) { return QDir().mkpath(path); }

QStringList LocalFileSystem::listFolder(const QString& folder, const QString& wildcard) const {
    QDir dir(folder);
    return dir.entryList(QStringList{wildcard}, QDir::Files | QDir::Hidden, QDir::Unsorted);
}

bool LocalFileSystem::removeFile(const QString& path) { return QFile::remove(path); }

bool LocalFileSystem::renameFile(const QString& from, const QString& to) {
    return QFile::rename(from, to);
}

bool LocalFileSystem::readBytes(const QString& path, QByteArray* bytes, QString* error) const {
    QFile file(path);
    if (QFileInfo(path).isDir()) {
        setError(error, QStringLiteral("%1 is a folder").arg(path));
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, file.errorString());
        return false;
    }
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}

bool LocalFileSystem::replaceBytes(const QString& path, const QByteArray& bytes, QString* error) {
    if (QFileInfo(path).isDir()) {
        setError(error, QStringLiteral("%1 is a folder").arg(path));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, file.errorString());
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        setError(error, file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

bool LocalFileSystem::appendBytes(const QString& path, const QByteArray& bytes, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        setError(error, file.errorString());
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}

} // namespace brevmark
