#pragma once

#include "platform/FileSystem.h"

#include <QByteArray>

namespace brevmark {

// How new lines are appended to a quoted-field file so that it reads afterwards as it read
// before, followed by the new records. Decided from the file's last bytes while the file is
// locked (FileSystem::appendDecided):
// - after a line end the lines simply follow; after a lone CR its LF comes first;
// - after a last line without its line end, a line end comes first;
// - what reads as nothing at the end would read as a field once a line end follows it: a comma
//   after the last record's last field, or a lead byte left alone after it. Those bytes are taken
//   off first (they hold no data), so the new records are not shifted by a field.
// A last line that does not end on a whole record (a file that is damaged already) is left as it
// is; the repair keeps the new lines.
class AppendAfterLastLine {
public:
    // How many of the file's last bytes the decision looks at.
    static constexpr int tailSize = 64 * 1024;

    static FileSystem::DecideAppend decide(QByteArray lines, int fieldsPerRecord);
    static FileSystem::Append decide(const QByteArray& tail, const QByteArray& lines,
                                     int fieldsPerRecord);
};

} // namespace brevmark
