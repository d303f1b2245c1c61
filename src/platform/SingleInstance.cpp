#include "platform/SingleInstance.h"

#include "platform/DataLocation.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace brevmark {

SingleInstance::SingleInstance(const QString& programFolder)
    : recordsFolder_(DataLocation(programFolder).recordsFolder()) {
    QDir().mkpath(programFolder);
    lock_ = std::make_unique<QLockFile>(programFolder + QStringLiteral("/.brevmark.lock"));
    lock_->setStaleLockTime(0); // only a dead owner makes a lock stale
}

QString SingleInstance::dataFolderLockPath(const QString& recordsFolder) {
    const QFileInfo records(recordsFolder);
    // The folder as it really is; one not made yet is where it will be made.
    QString real = records.canonicalFilePath();
    if (real.isEmpty()) {
        const QString parent = QFileInfo(records.absolutePath()).canonicalFilePath();
        real = (parent.isEmpty() ? records.absolutePath() : parent) + QLatin1Char('/') +
               records.fileName();
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    const QByteArray hash =
        QCryptographicHash::hash(real.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return folder + QStringLiteral("/brevmark-data-") + QString::fromLatin1(hash) +
           QStringLiteral(".lock");
}

SingleInstance::Outcome SingleInstance::acquire() {
    if (!lock_->tryLock(0)) {
        // Only a lock held by a live process means another copy; any other failure is the
        // folder's.
        return lock_->error() == QLockFile::LockFailedError ? Outcome::OtherCopyRuns
                                                            : Outcome::FolderNotWritable;
    }
    dataLock_ = std::make_unique<QLockFile>(dataFolderLockPath(recordsFolder_));
    dataLock_->setStaleLockTime(0);
    if (!dataLock_->tryLock(0) && dataLock_->error() == QLockFile::LockFailedError) {
        lock_->unlock();
        return Outcome::OtherCopyRuns;
    }
    // A runtime folder that cannot take the lock leaves the program folder's lock alone on guard.
    return Outcome::Acquired;
}

void SingleInstance::release() {
    if (dataLock_)
        dataLock_->unlock();
    lock_->unlock();
}

} // namespace brevmark
