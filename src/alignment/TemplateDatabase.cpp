#include "alignment/TemplateDatabase.h"

#include "alignment/TemplateFileReader.h"
#include "common/Twips.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <variant>

namespace brevmark {

namespace {

QString key(const QString& brand, const QString& part) {
    return (brand + QLatin1Char(' ') + part).simplified().toCaseFolded();
}

// Papers every sheet may name even where no paper-sizes.xml says what they are.
QHash<QString, QSizeF> knownPapers() {
    const double mm = twips::perInch / 25.4;
    return {{QStringLiteral("A4"), QSizeF(210 * mm, 297 * mm)},
            {QStringLiteral("A5"), QSizeF(148 * mm, 210 * mm)},
            {QStringLiteral("US-Letter"), QSizeF(8.5 * twips::perInch, 11 * twips::perInch)}};
}

std::variant<QByteArray, QString> readFile(const QFileInfo& info) {
    // Only plain files: a pipe or a device would never end.
    if (!info.isFile())
        return QStringLiteral("不是一般檔案");
    if (info.size() > TemplateDatabase::largestFile)
        return QStringLiteral("檔案大於 %1 MB").arg(TemplateDatabase::largestFile / 1024 / 1024);
    QFile file(info.absoluteFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    QByteArray bytes = file.read(TemplateDatabase::largestFile + 1);
    if (bytes.size() > TemplateDatabase::largestFile)
        return QStringLiteral("檔案大於 %1 MB").arg(TemplateDatabase::largestFile / 1024 / 1024);
    return bytes;
}

// Edits (a letter added, dropped, changed, or two neighbours swapped) from one text to another.
int editDistance(const QString& a, const QString& b) {
    const qsizetype n = b.size();
    QList<int> before(n + 1), previous(n + 1), row(n + 1);
    for (qsizetype j = 0; j <= n; ++j)
        previous[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        row[0] = int(i);
        for (qsizetype j = 1; j <= n; ++j) {
            row[j] = std::min({previous[j] + 1, row[j - 1] + 1,
                               previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                row[j] = std::min(row[j], before[j - 2] + 1);
        }
        std::swap(before, previous);
        std::swap(previous, row);
    }
    return previous[n];
}

struct FoundSheet {
    LabelTemplate sheet;
    QString file;
};

} // namespace

QString TemplateDatabase::userFolder() {
    QString home = qEnvironmentVariable("XDG_DATA_HOME");
    if (home.isEmpty() || QDir::isRelativePath(home))
        home = QDir::homePath() + QStringLiteral("/.local/share");
    return home + QStringLiteral("/Brevmark/templates");
}

QStringList TemplateDatabase::standardFolders() {
    QStringList folders{userFolder()};
    QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dirs.isEmpty())
        dirs = QStringLiteral("/usr/local/share/:/usr/share/");
    for (const QString& dir : dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (!QDir::isRelativePath(dir))
            folders << QDir::cleanPath(dir + QStringLiteral("/libglabels-3.0/templates"));
    folders.removeDuplicates();
    return folders;
}

TemplateDatabase TemplateDatabase::load(const QStringList& folders) {
    TemplateDatabase db;
    QList<FoundSheet> found;
    QSet<QString> names;
    QHash<QString, QSizeF> papers;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        if (!dir.exists())
            continue;
        db.foldersFound_ << folder;
        const QFileInfoList files =
            dir.entryInfoList({QStringLiteral("*.xml"), QStringLiteral("*.template")},
                              QDir::Files | QDir::Readable | QDir::System, QDir::Name);
        for (const QFileInfo& info : files) {
            const QString path = info.absoluteFilePath();
            std::variant<QByteArray, QString> bytes = readFile(info);
            if (const QString* why = std::get_if<QString>(&bytes)) {
                db.problems_.append({path, *why});
                continue;
            }
            ++db.filesRead_;
            std::variant<TemplateFile, QString> read =
                TemplateFileReader::read(std::get<QByteArray>(bytes));
            if (const QString* why = std::get_if<QString>(&read)) {
                db.problems_.append({path, *why});
                continue;
            }
            TemplateFile& file = std::get<TemplateFile>(read);
            for (const QString& problem : std::as_const(file.problems))
                db.problems_.append({path, problem});
            for (auto it = file.paperSizes.cbegin(); it != file.paperSizes.cend(); ++it)
                if (!papers.contains(it.key()))
                    papers.insert(it.key(), it.value());
            // An earlier folder's sheet of the same name wins: the user's own come first.
            for (LabelTemplate& t : file.templates) {
                const QString k = key(t.brand, t.part);
                if (names.contains(k))
                    continue;
                names.insert(k);
                found.append({std::move(t), path});
            }
        }
    }
    const QHash<QString, QSizeF> known = knownPapers();
    for (auto it = known.cbegin(); it != known.cend(); ++it)
        if (!papers.contains(it.key()))
            papers.insert(it.key(), it.value());

    QHash<QString, qsizetype> index;
    for (qsizetype i = 0; i < found.size(); ++i)
        index.insert(key(found[i].sheet.brand, found[i].sheet.part), i);
    for (FoundSheet& f : found) {
        LabelTemplate& t = f.sheet;
        if (!t.equivalentOf.isEmpty()) {
            // The part named may itself name another; a circle of names ends the search.
            const LabelTemplate* base = &t;
            QSet<QString> seen{key(t.brand, t.part)};
            while (base && !base->equivalentOf.isEmpty()) {
                const QString k = key(t.brand, base->equivalentOf);
                const auto at = index.constFind(k);
                base = at == index.cend() || seen.contains(k) ? nullptr : &found[*at].sheet;
                seen.insert(k);
            }
            if (!base) {
                db.problems_.append({f.file, t.name() + QStringLiteral("：equiv 的 ") +
                                                 t.equivalentOf +
                                                 QStringLiteral(" 不存在或互相指向")});
                continue;
            }
            const QString ownDescription = t.description;
            const QString equivalentOf = t.equivalentOf;
            const QString brand = t.brand, part = t.part;
            t = *base;
            t.brand = brand;
            t.part = part;
            t.equivalentOf = equivalentOf;
            if (!ownDescription.isEmpty())
                t.description = ownDescription;
        }
        if (t.paperId != QLatin1String("Other")) {
            const auto paper = papers.constFind(t.paperId);
            if (paper == papers.cend()) {
                db.problems_.append(
                    {f.file, t.name() + QStringLiteral("：不明的紙張 ") + t.paperId});
                continue;
            }
            t.paper = *paper;
        }
        db.sheets_.append(t);
    }

    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::stable_sort(db.sheets_.begin(), db.sheets_.end(),
                     [&collator](const LabelTemplate& a, const LabelTemplate& b) {
                         if (const int c = collator.compare(a.brand, b.brand); c != 0)
                             return c < 0;
                         return collator.compare(a.part, b.part) < 0;
                     });
    db.searchTexts_.reserve(db.sheets_.size());
    for (qsizetype i = 0; i < db.sheets_.size(); ++i) {
        const LabelTemplate& t = db.sheets_[i];
        db.byName_.insert(key(t.brand, t.part), int(i));
        db.searchTexts_ << (t.name() + QLatin1Char(' ') + t.description).toCaseFolded();
    }
    return db;
}

const LabelTemplate* TemplateDatabase::find(const QString& name) const {
    const auto at = byName_.constFind(name.simplified().toCaseFolded());
    return at == byName_.cend() ? nullptr : &sheets_[*at];
}

QList<const LabelTemplate*> TemplateDatabase::matching(const QString& text) const {
    const QStringList words = text.toCaseFolded().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<const LabelTemplate*> result;
    for (qsizetype i = 0; i < sheets_.size(); ++i) {
        const QString& haystack = searchTexts_[i];
        if (std::all_of(words.cbegin(), words.cend(),
                        [&haystack](const QString& w) { return haystack.contains(w); }))
            result << &sheets_[i];
    }
    return result;
}

QStringList TemplateDatabase::closest(const QString& name, int count) const {
    const QString wanted = name.simplified().toCaseFolded();
    QList<QPair<int, qsizetype>> ranked;
    ranked.reserve(sheets_.size());
    for (qsizetype i = 0; i < sheets_.size(); ++i) {
        const LabelTemplate& t = sheets_[i];
        // A part typed without its brand is as near as the whole name.
        const int distance = std::min(editDistance(wanted, key(t.brand, t.part)),
                                      editDistance(wanted, t.part.toCaseFolded()));
        ranked.append({distance, i});
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList names;
    for (qsizetype k = 0; k < ranked.size() && k < count; ++k)
        names << sheets_[ranked[k].second].name();
    return names;
}

} // namespace brevmark
