#include "platform/FileSystem.h"

#include "common/Cp950.h"

namespace brevmark {

bool FileSystem::readText(const QString& path, QString* text, QString* error) const {
    QByteArray bytes;
    if (!readBytes(path, &bytes, error))
        return false;
    *text = cp950::decode(bytes);
    return true;
}

bool FileSystem::replaceText(const QString& path, const QString& text, QString* error) {
    return replaceBytes(path, cp950::encode(text), error);
}

bool FileSystem::appendText(const QString& path, const QString& text, QString* error) {
    return appendBytes(path, cp950::encode(text), error);
}

} // namespace brevmark
