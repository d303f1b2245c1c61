#include "platform/SingleInstance.h"

#include <QDir>

namespace brevmark {

SingleInstance::SingleInstance(const QString& programFolder) {
    QDir().mkpath(programFolder);
    lock_ = std::make_unique<QLockFile>(programFolder + QStringLiteral("/.brevmark.lock"));
    lock_->setStaleLockTime(0); // only a dead owner makes a lock stale
}

bool SingleInstance::acquire() { return lock_->tryLock(0); }

void SingleInstance::release() { lock_->unlock(); }

} // namespace brevmark
