#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace brevmark {

// The rows of a spreadsheet's text export: cells split at a separator (a comma for CSV, a tab for
// TSV), lines ending in CR LF, LF or CR. A cell that begins with a double quote runs to the
// closing quote and may hold separators, line breaks and doubled quotes (""). Empty lines are
// skipped.
class DelimitedText {
public:
    struct Row {
        int line = 0; // the line the row starts on, from 1
        QStringList cells;
    };

    // Nothing, with the reason in *error, when a quoted cell never closes or text follows its
    // closing quote.
    static std::optional<QList<Row>> parse(const QString& text, QChar separator, QString* error);
};

} // namespace brevmark
