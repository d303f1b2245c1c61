#include "platform/LocalFileSystem.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

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

// The write lock is one byte far beyond the end of any data file, held as an open file
// description lock: file systems that enforce byte-range locks against reading (as Windows shares
// do) then never keep a reader of the data waiting. Closing the file lets the lock go, also when
// the process dies.
constexpr off_t lockOffset = 0x7FFFFFF0;

QString lockedByAnother() {
    return QStringLiteral("另一個 Brevmark 正在寫入這個檔案，等候 %1 秒後仍未完成，請稍後再試")
        .arg(LocalFileSystem::lockWaitMilliseconds / 1000);
}

// False when another process held the lock for longer than the wait. A file system without such
// locks is written without them.
bool waitForLock(int fd, const QElapsedTimer& waited, QString* error) {
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = lockOffset;
    lock.l_len = 1;
    for (;;) {
        if (::fcntl(fd, F_OFD_SETLK, &lock) == 0)
            return true;
        if (errno != EAGAIN && errno != EACCES && errno != EINTR)
            return true;
        if (waited.elapsed() >= LocalFileSystem::lockWaitMilliseconds) {
            setError(error, lockedByAnother());
            return false;
        }
        QThread::msleep(20);
    }
}

// A data file opened and locked for writing. The file at the path may be replaced while this
// process waits for the lock (another process's rewrite renames a new file into place), so the
// lock is only taken as held once it is the lock of the file the path names.
class LockedFile {
public:
    LockedFile() = default;
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
    ~LockedFile() { close(); }

    bool open(const QByteArray& native, int flags, mode_t mode, QString* error) {
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            fd_ = ::open(native.constData(), flags | O_CLOEXEC, mode);
            if (fd_ < 0) {
                setError(error, systemError(errno));
                return false;
            }
            if (!waitForLock(fd_, waited, error)) {
                close();
                return false;
            }
            struct stat held {};
            struct stat named {};
            if (::fstat(fd_, &held) == 0 && ::stat(native.constData(), &named) == 0 &&
                held.st_ino == named.st_ino && held.st_dev == named.st_dev)
                return true;
            close();
            if (waited.elapsed() >= LocalFileSystem::lockWaitMilliseconds) {
                setError(error, lockedByAnother());
                return false;
            }
        }
    }
    int fd() const { return fd_; }
    void close() {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_ = -1;
};

QByteArray readTail(int fd, qint64 size, int count) {
    const qint64 n = qMin<qint64>(size, qMax(count, 0));
    QByteArray tail(qsizetype(n), Qt::Uninitialized);
    qint64 got = 0;
    while (got < n) {
        const ssize_t r = ::pread(fd, tail.data() + got, size_t(n - got), off_t(size - n + got));
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            break;
        got += r;
    }
    tail.truncate(qsizetype(got));
    return tail;
}

// The temporary file a replacement is written to, made anew: one left by an earlier write (or
// planted as a link) is never written into. -1, with the reason, when it cannot be made.
int createTemporary(const QByteArray& native, mode_t mode, QString* error) {
    if (::unlink(native.constData()) != 0 && errno != ENOENT) {
        setError(error, systemError(errno));
        return -1;
    }
    const int fd =
        ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0)
        setError(error, systemError(errno));
    return fd;
}

} // namespace

bool LocalFileSystem::fileTarget(const QString& path, QString* target, QString* error) {
    if (!writeTarget(path, target, error))
        return false;
    if (QFileInfo(*target).isDir()) {
        setError(error, QStringLiteral("%1 is a folder").arg(*target));
        return false;
    }
    return true;
}

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
    if (!fileTarget(path, &target, error))
        return false;
    const QByteArray nativeTarget = QFile::encodeName(target);
    const QByteArray nativeTemporary = QFile::encodeName(temporaryPath(target));

    mode_t mode = 0666;
    struct stat old {};
    LockedFile locked;
    if (::stat(nativeTarget.constData(), &old) == 0) {
        if (::access(nativeTarget.constData(), W_OK) != 0) {
            setError(error, systemError(errno));
            return false;
        }
        mode = old.st_mode & 07777;
        if (!locked.open(nativeTarget, O_WRONLY, 0, error))
            return false;
    }
    const int fd = createTemporary(nativeTemporary, mode, error);
    if (fd < 0)
        return false;
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
    return LocalFileSystem::appendDecided(
        path, 0,
        [&bytes](const QByteArray&) {
            return Append{0, bytes};
        },
        error);
}

bool LocalFileSystem::appendDecided(const QString& path, int tailSize, const DecideAppend& decide,
                                    QString* error) {
    QString target;
    if (!fileTarget(path, &target, error))
        return false;
    const QByteArray native = QFile::encodeName(target);
    const bool existed = QFileInfo::exists(target);
    LockedFile locked;
    if (!locked.open(native, O_RDWR | O_APPEND | O_CREAT, 0666, error))
        return false;
    const int fd = locked.fd();
    struct stat before {};
    if (::fstat(fd, &before) != 0) {
        setError(error, systemError(errno));
        return false;
    }
    const QByteArray tail = readTail(fd, before.st_size, tailSize);
    const Append append = decide(tail);
    const qsizetype drop = qBound<qsizetype>(0, append.dropLast, tail.size());
    const off_t kept = off_t(before.st_size - drop);
    bool ok = drop == 0 || ::ftruncate(fd, kept) == 0;
    ok = ok && writeAll(fd, append.bytes) && ::fsync(fd) == 0;
    const int failure = ok ? 0 : errno;
    if (!ok) {
        // A write cut short (a full disk, a size limit) takes back what it wrote and puts back
        // what it took off, so the file is as it was.
        if (::ftruncate(fd, kept) == 0 && (drop == 0 || writeAll(fd, tail.right(drop))))
            ::fsync(fd);
    }
    locked.close();
    if (!ok) {
        if (!existed)
            ::unlink(native.constData());
        setError(error, systemError(failure));
        return false;
    }
    return true;
}

bool LocalFileSystem::rewrite(const QString& path, const ProduceRewrite& produce, QString* error) {
    QString target;
    if (!fileTarget(path, &target, error))
        return false;
    const QByteArray nativeTarget = QFile::encodeName(target);
    const QByteArray nativeTemporary = QFile::encodeName(temporaryPath(target));
    LockedFile locked;
    if (!locked.open(nativeTarget, O_RDWR, 0, error))
        return false;
    struct stat old {};
    if (::fstat(locked.fd(), &old) != 0) {
        setError(error, systemError(errno));
        return false;
    }
    const int fd = createTemporary(nativeTemporary, old.st_mode & 07777, error);
    if (fd < 0)
        return false;
    QFile current;
    QFile replacement;
    current.open(locked.fd(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle);
    replacement.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle);
    const Rewrite wanted = produce(current, replacement);
    bool ok = current.error() == QFileDevice::NoError;
    int failure = EIO;
    QString reason = current.errorString();
    if (wanted == Rewrite::Replace && ok) {
        ok = replacement.flush() && replacement.error() == QFileDevice::NoError;
        reason = replacement.errorString();
    }
    replacement.close();
    current.close();
    if (wanted == Rewrite::Replace && ok) {
        ok = ::fsync(fd) == 0;
        failure = errno;
        reason.clear();
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        failure = errno;
        reason.clear();
    }
    if (wanted == Rewrite::Keep && ok) {
        ::unlink(nativeTemporary.constData());
        return true;
    }
    if (ok && ::rename(nativeTemporary.constData(), nativeTarget.constData()) != 0) {
        ok = false;
        failure = errno;
        reason.clear();
    }
    if (!ok) {
        ::unlink(nativeTemporary.constData());
        setError(error, reason.isEmpty() ? systemError(failure) : reason);
        return false;
    }
    syncFolder(QFileInfo(target).absolutePath());
    return true;
}

std::unique_ptr<QIODevice> LocalFileSystem::openForReading(const QString& path,
                                                           QString* error) const {
    if (QFileInfo(path).isDir()) {
        setError(error, QStringLiteral("%1 is a folder").arg(path));
        return nullptr;
    }
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly)) {
        setError(error, file->errorString());
        return nullptr;
    }
    return file;
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
