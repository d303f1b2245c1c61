#include "records/LayoutFolder.h"

#include "platform/FileSystem.h"
#include "records/LayoutFile.h"

namespace brevmark {

namespace {
const QString upperExtension = QStringLiteral(".WAB");
} // namespace

LayoutFolder::LayoutFolder(FileSystem& files, QString recordsFolder)
    : files_(files), recordsFolder_(std::move(recordsFolder)) {}

QStringList LayoutFolder::names() const {
    QStringList names;
    for (const QString& file : files_.listFolder(recordsFolder_, QStringLiteral("*"))) {
        if (!file.endsWith(LayoutFile::extension(), Qt::CaseSensitive) &&
            !file.endsWith(upperExtension, Qt::CaseSensitive))
            continue;
        const QString name = file.chopped(LayoutFile::extension().size());
        if (isSafeName(name) && !names.contains(name))
            names.append(name);
    }
    names.sort(Qt::CaseInsensitive);
    return names;
}

bool LayoutFolder::isSafeName(const QString& name) {
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QChar(0)))
        return false;
    for (QChar c : name)
        if (c != QLatin1Char('.'))
            return true;
    return false;
}

QString LayoutFolder::pathOf(const QString& name) const {
    const QString base = recordsFolder_ + QLatin1Char('/') + name;
    const QString lower = base + LayoutFile::extension();
    if (files_.fileExists(lower))
        return lower;
    if (files_.fileExists(base + upperExtension))
        return base + upperExtension;
    return lower;
}

bool LayoutFolder::remove(const QString& name) {
    const QString path = pathOf(name);
    if (!files_.fileExists(path))
        return true;
    return files_.removeFile(path) || !files_.fileExists(path);
}

} // namespace brevmark
