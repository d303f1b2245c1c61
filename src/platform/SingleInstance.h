#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace brevmark {

// One running copy per program folder and per data folder: the first copy holds a lock file in
// its program folder, and one named after its records folder as it really is (the canonical path,
// so that program folders sharing one 記錄資料 through a link count as one) in the user's runtime
// folder, both for its whole life. A lock left by a copy that crashed is taken over. Desks that
// share a data folder over the network each run their own copy: their writes meet at the files'
// write locks (FileSystem).
class SingleInstance {
public:
    enum class Outcome {
        Acquired,         // this process is the only copy and now holds the locks
        OtherCopyRuns,    // a running copy holds a lock
        FolderNotWritable // the lock file cannot be made: the folder is read-only or missing
    };

    explicit SingleInstance(const QString& programFolder);
    Outcome acquire();
    // Lets the locks go before the process ends.
    void release();

    // The lock file that stands for a records folder (exposed for tests).
    static QString dataFolderLockPath(const QString& recordsFolder);

private:
    QString recordsFolder_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLockFile> dataLock_;
};

} // namespace brevmark
