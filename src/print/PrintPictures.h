#pragma once

#include "platform/DataLocation.h"
#include "platform/Picture.h"

#include <QHash>
#include <QString>

namespace brevmark {

class PictureLoader;

// The pictures of the image items as one print command needs them: each file of the pictures
// folder is read once per command, however many items show it.
class PrintPictures {
public:
    PrintPictures(const PictureLoader& loader, DataLocation location);

    // The picture of a file in the pictures folder; null when it cannot be read or its name leads
    // out of the folder.
    const Picture& picture(const QString& fileName);
    // Drops what was read, so the next command sees the folder as it is then.
    void forget() { loaded_.clear(); }

private:
    const PictureLoader& loader_;
    DataLocation location_;
    QHash<QString, Picture> loaded_;
};

} // namespace brevmark
