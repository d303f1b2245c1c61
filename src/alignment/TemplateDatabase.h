#pragma once

#include "alignment/LabelTemplate.h"

#include <QHash>
#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace brevmark {

// The label sheets of the system's template database (gLabels' template files, Debian's package
// glabels-data) and the user's own templates in the same format. Read once, when first needed:
// every file of each folder ending in .xml or .template, the sheets of a name that an earlier
// folder already gave left out, `equiv` sheets given the geometry of the part they name (in any
// file), paper sizes from the folders' paper-sizes.xml. A file or a sheet that cannot be used is
// left out and noted with its reason; the rest still reads.
class TemplateDatabase {
public:
    struct Problem {
        QString file; // path
        QString reason;
    };

    // The largest file read (the database's largest is under 100 kB).
    static constexpr qint64 largestFile = 8 * 1024 * 1024;

    // Where sheets come from, the most important first: the user's own folder
    // ($XDG_DATA_HOME/Brevmark/templates), then libglabels-3.0/templates in each folder of
    // $XDG_DATA_DIRS, with the defaults of the XDG base directory rules.
    static QStringList standardFolders();
    static QString userFolder();

    static TemplateDatabase load(const QStringList& folders);

    // Every usable sheet, by brand and then part.
    const QList<LabelTemplate>& sheets() const { return sheets_; }
    // The sheet named "BRAND PART", letter case aside; null when there is none.
    const LabelTemplate* find(const QString& name) const;
    // The sheets whose brand, part or description holds every word of the text, letter case
    // aside; all of them for an empty text.
    QList<const LabelTemplate*> matching(const QString& text) const;
    // The names nearest to a name that is not there, nearest first.
    QStringList closest(const QString& name, int count) const;

    const QList<Problem>& problems() const { return problems_; }
    // The folders that exist, of those given.
    const QStringList& foldersFound() const { return foldersFound_; }
    int filesRead() const { return filesRead_; }

private:
    QList<LabelTemplate> sheets_;
    QStringList searchTexts_; // per sheet: brand, part and description, case-folded
    QHash<QString, int> byName_;
    QList<Problem> problems_;
    QStringList foldersFound_;
    int filesRead_ = 0;
};

} // namespace brevmark
