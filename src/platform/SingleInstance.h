#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace brevmark {

// One running copy per program folder: the first copy holds a lock file there for its whole life;
// a lock left by a copy that crashed is taken over.
class SingleInstance {
public:
    enum class Outcome {
        Acquired,         // this process is the only copy and now holds the lock
        OtherCopyRuns,    // a running copy holds the lock
        FolderNotWritable // the lock file cannot be made: the folder is read-only or missing
    };

    explicit SingleInstance(const QString& programFolder);
    Outcome acquire();
    // Lets the lock go before the process ends.
    void release();

private:
    std::unique_ptr<QLockFile> lock_;
};

} // namespace brevmark
