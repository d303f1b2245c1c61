#include "records/RepairedLine.h"

namespace brevmark {

QStringList repairedLineParts(const QString& line) {
    return QString(line).remove(QLatin1Char('"')).split(QLatin1Char(','));
}

} // namespace brevmark
