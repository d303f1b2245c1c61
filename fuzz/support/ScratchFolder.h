#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace brevmark::fuzz {

// A folder of the real file system for one process's runs, emptied before each run. Inputs are
// put there byte for byte with QFile, never through the writers under test.
class ScratchFolder {
public:
    // The process's folder, made on first use and removed when the process ends normally.
    static ScratchFolder& instance();

    const QString& path() const { return path_; }
    QString filePath(const QString& name) const;
    // Removes everything in the folder.
    void empty();
    // Names are paths below the folder; the folders on the way are made.
    void put(const QString& name, const QByteArray& bytes);
    QByteArray bytesOf(const QString& name) const;
    bool holds(const QString& name) const;

private:
    ScratchFolder();
    QTemporaryDir dir_;
    QString path_;
};

} // namespace brevmark::fuzz
