#include "platform/ReadOnlyFileSystem.h"

namespace brevmark {

bool ReadOnlyFileSystem::refuse(QString* error) {
    ++refused_;
    if (error)
        *error = QStringLiteral("the data folder is only read here");
    return false;
}

bool ReadOnlyFileSystem::createFolder(const QString&) {
    return refuse(nullptr);
}

bool ReadOnlyFileSystem::removeFile(const QString&) {
    return refuse(nullptr);
}

bool ReadOnlyFileSystem::renameFile(const QString&, const QString&) {
    return refuse(nullptr);
}

bool ReadOnlyFileSystem::replaceBytes(const QString&, const QByteArray&, QString* error) {
    return refuse(error);
}

bool ReadOnlyFileSystem::appendBytes(const QString&, const QByteArray&, QString* error) {
    return refuse(error);
}

bool ReadOnlyFileSystem::appendDecided(const QString&, int, const DecideAppend&, QString* error) {
    return refuse(error);
}

bool ReadOnlyFileSystem::rewrite(const QString&, const ProduceRewrite&, QString* error) {
    return refuse(error);
}

} // namespace brevmark
