#pragma once

#include "alignment/LabelTemplate.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

namespace brevmark {

// What one file of the template database holds: label sheets (`Glabels-templates`), paper sizes
// (`Glabels-paper-sizes`), or neither (the folder's category and vendor lists).
struct TemplateFile {
    // Sheets in file order; one that names an `equiv` carries only its brand, part and the part it
    // shares its geometry with.
    QList<LabelTemplate> templates;
    QHash<QString, QSizeF> paperSizes; // by id, twips
    // Sheets of the file left out, each "BRAND PART: why".
    QStringList problems;
};

// Reads the XML of one template file. The files are input from outside the program: every
// length, count and name is checked, and a sheet that does not make sense is left out with the
// reason rather than trusted.
class TemplateFileReader {
public:
    // The most labels one sheet may have (the database's largest has 270).
    static constexpr int mostLabels = 5000;
    // The longest length taken, twips (a hundred inches).
    static constexpr double longestLength = 144000;

    // The file's content, or why it cannot be read (the XML error and its line).
    static std::variant<TemplateFile, QString> read(const QByteArray& xml);
    // A length as the format writes it: a number, then a unit (pt when none; mm, cm, in, pc),
    // in twips. An empty number counts as 0, as the database's own files expect. Nothing for an
    // unknown unit or a value that is not finite.
    static std::optional<double> length(const QString& text);
};

} // namespace brevmark
