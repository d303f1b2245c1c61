#include "records/FormatRecord.h"

namespace brevmark {

QStringList FormatRecord::toList() const {
    QStringList list;
    for (const QString& f : fields)
        list.append(f);
    return list;
}

FormatRecord FormatRecord::fromList(const QStringList& list) {
    FormatRecord record;
    for (int f = 0; f < fieldCount && f < list.size(); ++f)
        record[f] = list.at(f);
    return record;
}

} // namespace brevmark
