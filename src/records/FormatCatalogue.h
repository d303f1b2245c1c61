#pragma once

#include "records/FormatRecord.h"
#include "records/FormatRecordLines.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace brevmark {

// How the barcode formats are found among the records of the format file, owned records or
// views alike. A format is every record with one category (F0) and one name (F1); the two are
// always compared as two texts, exactly, so that category "A" with name "BC" and category "AB"
// with name "C" stay two formats.
class FormatCatalogue {
public:
    template <typename Record>
    static bool belongsTo(const Record& record, QStringView category, QStringView name) {
        return QStringView(record[0]) == category && QStringView(record[1]) == name;
    }

    // Every non-empty category once, in order of first appearance. Categories that differ only
    // in letter case are listed each, so that the formats of every one of them can be reached.
    template <typename Records> static QStringList categories(const Records& records) {
        QStringList list;
        QSet<QStringView> seen;
        for (const auto& r : records) {
            const QStringView category = r[0];
            if (category.isEmpty() || seen.contains(category))
                continue;
            seen.insert(category);
            list.append(category.toString());
        }
        return list;
    }

    // Every non-empty name of the category once, in order of first appearance.
    template <typename Records>
    static QStringList names(const Records& records, QStringView category) {
        QStringList list;
        QSet<QStringView> seen;
        for (const auto& r : records) {
            const QStringView name = r[1];
            if (QStringView(r[0]) != category || name.isEmpty() || seen.contains(name))
                continue;
            seen.insert(name);
            list.append(name.toString());
        }
        return list;
    }

    // The records of one format in file order, at most `limit` of them; *total (when given)
    // receives how many records the format has in all.
    template <typename Records>
    static Records format(const Records& records, QStringView category, QStringView name, int limit,
                          int* total = nullptr) {
        Records kept;
        int matching = 0;
        for (const auto& r : records) {
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

    // The records without the format.
    template <typename Records>
    static Records without(const Records& records, QStringView category, QStringView name) {
        Records kept;
        kept.reserve(records.size());
        for (const auto& r : records)
            if (!belongsTo(r, category, name))
                kept.append(r);
        return kept;
    }

    // The records with the format saved anew: its old records leave, the new ones go to the end.
    static QList<FormatRecord> replaced(const QList<FormatRecord>& records, QStringView category,
                                        QStringView name, const QList<FormatRecord>& format) {
        QList<FormatRecord> result = without(records, category, name);
        result.append(format);
        return result;
    }
};

} // namespace brevmark
