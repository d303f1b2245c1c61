#include "platform/DataLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace brevmark {

DataLocation::DataLocation(QString programFolder) : programFolder_(std::move(programFolder)) {}

namespace {
bool isWritableFolder(const QString& folder) {
    QTemporaryFile probe(folder + QStringLiteral("/.brevmark-write-test-XXXXXX"));
    return probe.open();
}
} // namespace

DataLocation DataLocation::forThisProcess() {
    const QString fromEnvironment = qEnvironmentVariable("BREVMARK_HOME");
    if (!fromEnvironment.isEmpty())
        return DataLocation(QDir(fromEnvironment).absolutePath());
    const QString executableFolder = QCoreApplication::applicationDirPath();
    if (!executableFolder.isEmpty() && isWritableFolder(executableFolder))
        return DataLocation(executableFolder);
    QString userFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return DataLocation(userFolder + QStringLiteral("/Brevmark"));
}

QString DataLocation::recordsFolder() const {
    return programFolder_ + QLatin1Char('/') + recordsFolderName();
}

QString DataLocation::picturesFolder() const {
    return programFolder_ + QLatin1Char('/') + picturesFolderName();
}

QString DataLocation::recordsFile(const QString& name) const {
    return recordsFolder() + QLatin1Char('/') + name;
}

QString DataLocation::pictureFile(const QString& name) const {
    return picturesFolder() + QLatin1Char('/') + name;
}

} // namespace brevmark
