#include "platform/FileSystem.h"

#include "common/Cp950.h"

#include <QBuffer>

namespace brevmark {

QByteArray FileSystem::lastBytes(const QString& path, int count) const {
    QByteArray bytes;
    if (!fileExists(path) || !readBytes(path, &bytes))
        return {};
    return bytes.right(count);
}

std::unique_ptr<QIODevice> FileSystem::openForReading(const QString& path, QString* error) const {
    auto buffer = std::make_unique<QBuffer>();
    QByteArray bytes;
    if (!readBytes(path, &bytes, error))
        return nullptr;
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    return buffer;
}

bool FileSystem::appendDecided(const QString& path, int tailSize, const DecideAppend& decide,
                               QString* error) {
    const QByteArray tail = fileExists(path) ? lastBytes(path, tailSize) : QByteArray();
    const Append append = decide(tail);
    if (append.dropLast <= 0)
        return appendBytes(path, append.bytes, error);
    QByteArray bytes;
    if (!readBytes(path, &bytes, error))
        return false;
    bytes.chop(append.dropLast);
    return replaceBytes(path, bytes + append.bytes, error);
}

bool FileSystem::rewrite(const QString& path, const ProduceRewrite& produce, QString* error) {
    QByteArray bytes;
    if (!readBytes(path, &bytes, error))
        return false;
    QBuffer current(&bytes);
    current.open(QIODevice::ReadOnly);
    QByteArray written;
    QBuffer replacement(&written);
    replacement.open(QIODevice::WriteOnly);
    if (produce(current, replacement) == Rewrite::Keep)
        return true;
    return replaceBytes(path, written, error);
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
    const QByteArray bytes = cp950::encode(text);
    return appendDecided(
        path, 1,
        [&bytes](const QByteArray& tail) {
            if (tail == "\r")
                return Append{0, '\n' + bytes};
            if (!tail.isEmpty() && tail != "\n")
                return Append{0, "\r\n" + bytes};
            return Append{0, bytes};
        },
        error);
}

} // namespace brevmark
