#include "platform/SingleInstance.h"

#include <QDir>

namespace brevmark {

SingleInstance::SingleInstance(const QString& programFolder) {
    QDir().mkpath(programFolder);
    lock_ = std::make_unique<QLockFile>(programFolder + QStringLiteral("/.brevmark.lock"));
    lock_->setStaleLockTime(0); // only a dead owner makes a lock stale
}

SingleInstance::Outcome SingleInstance::acquire() {
    if (lock_->tryLock(0))
        return Outcome::Acquired;
    // Only a lock held by a live process means another copy; any other failure is the folder's.
    return lock_->error() == QLockFile::LockFailedError ? Outcome::OtherCopyRuns
                                                        : Outcome::FolderNotWritable;
}

void SingleInstance::release() { lock_->unlock(); }

} // namespace brevmark
