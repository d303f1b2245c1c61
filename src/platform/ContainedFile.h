#pragma once

#include <QString>

namespace brevmark {

// Whether a file name taken from a stored record or a folder listing leads out of a folder: a
// name that is not a plain file name (a folder part, "." or ".."), or an existing file that lies
// elsewhere once every symbolic link on the way is followed. A file within a folder inside the
// folder is still inside; the folder itself may be a link and is followed the same way. A name
// of no existing file leads nowhere, so not outside either (reading it simply fails).
class ContainedFile {
public:
    static bool leadsOutside(const QString& folder, const QString& name);
};

} // namespace brevmark
