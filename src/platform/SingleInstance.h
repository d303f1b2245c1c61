#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace brevmark {

// One running copy per program folder: the first copy holds a lock file there for its whole life;
// a lock left by a copy that crashed is taken over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& programFolder);
    // True when this process is the only copy (and now holds the lock).
    bool acquire();
    // Lets the lock go before the process ends.
    void release();

private:
    std::unique_ptr<QLockFile> lock_;
};

} // namespace brevmark
