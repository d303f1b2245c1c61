#pragma once

#include "records/FormatRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace brevmark {

// How the barcode formats are found among the records of the format file. A format is every
// record with one category (F0) and one name (F1); the two are always compared as two texts,
// exactly, so that category "A" with name "BC" and category "AB" with name "C" stay two formats.
class FormatCatalogue {
public:
    // Every non-empty category once, in order of first appearance. Categories that differ only
    // in letter case are listed each, so that the formats of every one of them can be reached.
    static QStringList categories(const QList<FormatRecord>& records);
    // Every non-empty name of the category once, in order of first appearance.
    static QStringList names(const QList<FormatRecord>& records, const QString& category);
    // The records of one format in file order, at most `limit` of them; *total (when given)
    // receives how many records the format has in all.
    static QList<FormatRecord> format(const QList<FormatRecord>& records, const QString& category,
                                      const QString& name, int limit, int* total = nullptr);
    static bool belongsTo(const FormatRecord& record, const QString& category,
                          const QString& name) {
        return record[0] == category && record[1] == name;
    }
    // The records without the format.
    static QList<FormatRecord> without(const QList<FormatRecord>& records, const QString& category,
                                       const QString& name);
    // The records with the format saved anew: its old records leave, the new ones go to the end.
    static QList<FormatRecord> replaced(const QList<FormatRecord>& records, const QString& category,
                                        const QString& name, const QList<FormatRecord>& format);
};

} // namespace brevmark
