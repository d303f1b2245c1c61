#pragma once

#include <QByteArray>
#include <QString>

namespace brevmark::marker_file {

// A marker file of the update server: lines of code page 950 text, each ended by CR LF, LF or
// CR. Every line equal to the marker's tag announces a newer version, and the update prompt is
// offered once for each. A file larger than any marker the server publishes holds no tag line.
int tagLineCount(const QByteArray& bytes, const QString& tag);

} // namespace brevmark::marker_file
