#pragma once

#include "platform/LocalFileSystem.h"

namespace brevmark::test {

// The real file system, except that whole-file replaces and rewrites, appends and deletes can be
// made to fail as a full disk or a locked file would make them.
class FaultyFileSystem : public LocalFileSystem {
public:
    bool failReplace = false;
    bool failRemove = false;
    bool failAppend = false;
    int replaces = 0;
    int appends = 0;

    bool replaceBytes(const QString& path, const QByteArray& bytes, QString* error) override {
        ++replaces;
        if (failReplace) {
            if (error)
                *error = QStringLiteral("No space left on device");
            return false;
        }
        return LocalFileSystem::replaceBytes(path, bytes, error);
    }
    bool appendBytes(const QString& path, const QByteArray& bytes, QString* error) override {
        ++appends;
        if (failAppend) {
            if (error)
                *error = QStringLiteral("No space left on device");
            return false;
        }
        return LocalFileSystem::appendBytes(path, bytes, error);
    }
    bool appendDecided(const QString& path, int tailSize, const DecideAppend& decide,
                       QString* error) override {
        ++appends;
        if (failAppend) {
            if (error)
                *error = QStringLiteral("No space left on device");
            return false;
        }
        return LocalFileSystem::appendDecided(path, tailSize, decide, error);
    }
    bool rewrite(const QString& path, const ProduceRewrite& produce, QString* error) override {
        ++replaces;
        if (failReplace) {
            if (error)
                *error = QStringLiteral("No space left on device");
            return false;
        }
        return LocalFileSystem::rewrite(path, produce, error);
    }
    bool removeFile(const QString& path) override {
        return !failRemove && LocalFileSystem::removeFile(path);
    }
};

} // namespace brevmark::test
