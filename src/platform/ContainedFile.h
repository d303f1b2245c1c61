#pragma once

#include <QString>

namespace brevmark {

// Whether a file name taken from a stored record or a folder listing names a file that really
// lies in a folder: a plain name (no folder part, not "." or ".."), and an existing file that is
// still inside the folder (or a folder within it) once every symbolic link on the way is
// followed. The folder itself may be a link; it is followed the same way.
class ContainedFile {
public:
    static bool isInside(const QString& folder, const QString& name);
};

} // namespace brevmark
