#include "records/FormatCatalogue.h"

#include <QSet>

namespace brevmark {

QStringList FormatCatalogue::categories(const QList<FormatRecord>& records) {
    QStringList list;
    QSet<QString> seen;
    for (const FormatRecord& r : records) {
        const QString& category = r[0];
        if (category.isEmpty() || seen.contains(category))
            continue;
        seen.insert(category);
        list.append(category);
    }
    return list;
}

QStringList FormatCatalogue::names(const QList<FormatRecord>& records, const QString& category) {
    QStringList list;
    QSet<QString> seen;
    for (const FormatRecord& r : records) {
        if (r[0] != category || r[1].isEmpty() || seen.contains(r[1]))
            continue;
        seen.insert(r[1]);
        list.append(r[1]);
    }
    return list;
}

QList<FormatRecord> FormatCatalogue::format(const QList<FormatRecord>& records,
                                            const QString& category, const QString& name, int limit,
                                            int* total) {
    QList<FormatRecord> kept;
    int matching = 0;
    for (const FormatRecord& r : records) {
        if (!belongsTo(r, category, name))
            continue;
        ++matching;
        if (kept.size() < limit)
            kept.append(r);
    }
    if (total)
        *total = matching;
    return kept;
}

QList<FormatRecord> FormatCatalogue::without(const QList<FormatRecord>& records,
                                             const QString& category, const QString& name) {
    QList<FormatRecord> kept;
    kept.reserve(records.size());
    for (const FormatRecord& r : records)
        if (!belongsTo(r, category, name))
            kept.append(r);
    return kept;
}

QList<FormatRecord> FormatCatalogue::replaced(const QList<FormatRecord>& records,
                                              const QString& category, const QString& name,
                                              const QList<FormatRecord>& format) {
    QList<FormatRecord> result = without(records, category, name);
    result.append(format);
    return result;
}

} // namespace brevmark
