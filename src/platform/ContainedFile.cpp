#include "platform/ContainedFile.h"

#include <QDir>
#include <QFileInfo>

namespace brevmark {

bool ContainedFile::isInside(const QString& folder, const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        name.contains(QLatin1Char('/')) || name.contains(QChar(0)))
        return false;
    const QString realFolder = QFileInfo(folder).canonicalFilePath();
    const QString realFile = QFileInfo(QDir(folder).filePath(name)).canonicalFilePath();
    if (realFolder.isEmpty() || realFile.isEmpty())
        return false;
    return QFileInfo(realFile).isFile() && realFile.startsWith(realFolder + QLatin1Char('/'));
}

} // namespace brevmark
