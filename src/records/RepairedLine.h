#pragma once

#include <QString>
#include <QStringList>

namespace brevmark {

// The parts a file repair reads from one raw line: every double quote deleted, then split at each
// comma (two adjacent commas give an empty part). Spaces stay inside their part. These are the
// parts the earlier program got by turning spaces into "★", commas into spaces and splitting at
// spaces, except that a "★" the text itself held is no longer turned into a space.
QStringList repairedLineParts(const QString& line);

} // namespace brevmark
