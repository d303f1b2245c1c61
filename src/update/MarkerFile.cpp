#include "update/MarkerFile.h"

#include "common/Cp950.h"
#include "update/MarkerDownload.h"

#include <QStringList>

namespace brevmark::marker_file {

int tagLineCount(const QByteArray& bytes, const QString& tag) {
    if (bytes.size() > MarkerDownload::largestMarker)
        return 0;
    QString text = cp950::decode(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    int count = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (line == tag)
            ++count;
    return count;
}

} // namespace brevmark::marker_file
