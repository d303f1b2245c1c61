#include "platform/FileSystem.h"

#include "common/Cp950.h"

namespace brevmark {

QByteArray FileSystem::lastBytes(const QString& path, int count) const {
    QByteArray bytes;
    if (!fileExists(path) || !readBytes(path, &bytes))
        return {};
    return bytes.right(count);
}

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
    QByteArray bytes = cp950::encode(text);
    const QByteArray tail = lastBytes(path, 1);
    if (tail == "\r")
        bytes.prepend('\n');
    else if (!tail.isEmpty() && tail != "\n")
        bytes.prepend("\r\n");
    return appendBytes(path, bytes, error);
}

} // namespace brevmark
