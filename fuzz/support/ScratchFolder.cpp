#include "ScratchFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

namespace brevmark::fuzz {

ScratchFolder& ScratchFolder::instance() {
    static ScratchFolder folder;
    return folder;
}

ScratchFolder::ScratchFolder() : dir_(QDir::tempPath() + QStringLiteral("/brevmark-fuzz-XXXXXX")) {
    if (!dir_.isValid()) {
        std::fprintf(stderr, "cannot make a scratch folder: %s\n",
                     qUtf8Printable(dir_.errorString()));
        std::abort();
    }
    path_ = dir_.path();
}

QString ScratchFolder::filePath(const QString& name) const {
    return path_ + QLatin1Char('/') + name;
}

void ScratchFolder::empty() {
    QDir dir(path_);
    const QDir::Filters all = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    for (const QFileInfo& entry : dir.entryInfoList(all)) {
        if (entry.isDir() && !entry.isSymLink())
            QDir(entry.filePath()).removeRecursively();
        else
            dir.remove(entry.fileName());
    }
}

void ScratchFolder::put(const QString& name, const QByteArray& bytes) {
    QDir(path_).mkpath(QFileInfo(filePath(name)).path());
    QFile file(filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qUtf8Printable(file.fileName()));
        std::abort();
    }
}

QByteArray ScratchFolder::bytesOf(const QString& name) const {
    QFile file(filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool ScratchFolder::holds(const QString& name) const { return QFile::exists(filePath(name)); }

} // namespace brevmark::fuzz
