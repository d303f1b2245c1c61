#pragma once

#include <QString>

namespace brevmark {

// Where the program keeps its two data folders. The program folder is, in order: the folder named
// by the environment variable BREVMARK_HOME; the folder of the executable when it is writable;
// otherwise the per-user data folder of the desktop (an installed, read-only copy).
class DataLocation {
public:
    explicit DataLocation(QString programFolder);
    static DataLocation forThisProcess();

    static QString recordsFolderName() { return QStringLiteral("記錄資料"); }
    static QString picturesFolderName() { return QStringLiteral("圖形資料"); }

    const QString& programFolder() const { return programFolder_; }
    QString recordsFolder() const;
    QString picturesFolder() const;
    QString recordsFile(const QString& name) const;
    QString pictureFile(const QString& name) const;

private:
    QString programFolder_;
};

} // namespace brevmark
