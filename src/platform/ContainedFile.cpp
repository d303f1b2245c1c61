#include "platform/ContainedFile.h"

#include <QDir>
#include <QFileInfo>

namespace brevmark {

bool ContainedFile::leadsOutside(const QString& folder, const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        name.contains(QLatin1Char('/')) || name.contains(QChar(0)))
        return true;
    const QFileInfo file(QDir(folder).filePath(name));
    if (!file.exists() && !file.isSymLink())
        return false;
    const QString realFolder = QFileInfo(folder).canonicalFilePath();
    const QString realFile = file.canonicalFilePath();
    // A dangling link leads nowhere the program may follow.
    if (realFolder.isEmpty() || realFile.isEmpty())
        return true;
    return !realFile.startsWith(realFolder + QLatin1Char('/'));
}

} // namespace brevmark
