#include "platform/LocalFileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brevmark {

namespace {

void setError(QString* error, const QString& text) {
    if (error)
        *error = text;
}

QString systemError(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// Makes a rename in the folder durable; a folder that cannot be synced is no reason to fail.
void syncFolder(const QString& folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool LocalFileSystem::writeTarget(const QString& path, QString* target, QString* error) {
    const QFileInfo info(path);
    if (!info.isSymLink()) {
        *target = path;
        return true;
    }
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    const QString resolved = info.canonicalFilePath(); // empty for a link that leads nowhere
    if (resolved.isEmpty() || folder.isEmpty() || !resolved.startsWith(folder + QLatin1Char('/'))) {
        setError(error, QStringLiteral("「%1」是一個連結，指向資料夾以外的位置「%2」；"
                                       "為了保護該檔案，程式不會寫入。")
                            .arg(path, info.symLinkTarget()));
        return false;
    }
    *target = resolved;
    return true;
}

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
    QString target;
    if (!writeTarget(path, &target, error))
        return false;
    if (QFileInfo(target).isDir()) {
        setError(error, QStringLiteral("%1 is a folder").arg(target));
        return false;
    }
    const QByteArray nativeTarget = QFile::encodeName(target);
    const QByteArray nativeTemporary = QFile::encodeName(temporaryPath(target));

    mode_t mode = 0666;
    struct stat old {};
    if (::stat(nativeTarget.constData(), &old) == 0) {
        if (::access(nativeTarget.constData(), W_OK) != 0) {
            setError(error, systemError(errno));
            return false;
        }
        mode = old.st_mode & 07777;
    }
    // A temporary file left by an earlier write (or planted as a link) is never written into.
    if (::unlink(nativeTemporary.constData()) != 0 && errno != ENOENT) {
        setError(error, systemError(errno));
        return false;
    }
    const int fd = ::open(nativeTemporary.constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0) {
        setError(error, systemError(errno));
        return false;
    }
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    int failure = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    if (ok && ::rename(nativeTemporary.constData(), nativeTarget.constData()) != 0) {
        ok = false;
        failure = errno;
    }
    if (!ok) {
        ::unlink(nativeTemporary.constData());
        setError(error, systemError(failure));
        return false;
    }
    syncFolder(QFileInfo(target).absolutePath());
    return true;
}

bool LocalFileSystem::appendBytes(const QString& path, const QByteArray& bytes, QString* error) {
    QString target;
    if (!writeTarget(path, &target, error))
        return false;
    if (QFileInfo(target).isDir()) {
        setError(error, QStringLiteral("%1 is a folder").arg(target));
        return false;
    }
    const QByteArray native = QFile::encodeName(target);
    const bool existed = QFileInfo::exists(target);
    const int fd = ::open(native.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        setError(error, systemError(errno));
        return false;
    }
    struct stat before {};
    const bool measured = ::fstat(fd, &before) == 0;
    bool ok = measured && writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int failure = ok ? 0 : errno;
    if (!ok && measured) {
        // A write cut short (a full disk, a size limit) takes back what it wrote, so the file
        // holds all of the new bytes or none of them.
        if (::ftruncate(fd, before.st_size) == 0)
            ::fsync(fd);
    }
    // Once synced the bytes are on the disk, whatever closing says.
    ::close(fd);
    if (!ok) {
        if (!existed)
            ::unlink(native.constData());
        setError(error, systemError(failure));
        return false;
    }
    return true;
}

QByteArray LocalFileSystem::lastBytes(const QString& path, int count) const {
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return {};
    const qint64 size = file.size();
    if (size > count && !file.seek(size - count))
        return {};
    return file.read(count);
}

} // namespace brevmark
