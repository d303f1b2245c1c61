#pragma once

#include "support/RecordedMessageBoxes.h"
#include "support/ScratchFolder.h"

#include "platform/LocalFileSystem.h"

#include <QByteArray>
#include <QString>

namespace brevmark::fuzz {

// One fresh start on an input: the scratch folder emptied and one file put there as the input
// holds it, the real file system and unseen message boxes for the code under test.
struct FreshStart {
    FreshStart(const QString& fileName, const QByteArray& bytes) : name(fileName) {
        ScratchFolder::instance().empty();
        ScratchFolder::instance().put(name, bytes);
    }

    // The file's bytes as they are now, and whether it is still there.
    QByteArray bytes() const { return ScratchFolder::instance().bytesOf(name); }
    bool fileExists() const { return ScratchFolder::instance().holds(name); }
    QString filePath() const { return ScratchFolder::instance().filePath(name); }
    static QString folder() { return ScratchFolder::instance().path(); }

    const QString name;
    LocalFileSystem files;
    RecordedMessageBoxes boxes;
};

} // namespace brevmark::fuzz
