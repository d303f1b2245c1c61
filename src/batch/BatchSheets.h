#pragma once

#include "batch/BatchFailure.h"
#include "print/PrintJob.h"

#include <QList>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <optional>
#include <variant>

namespace brevmark {

class TemplateDatabase;
struct LabelTemplate;

// brevmark-batch and the stock sheets of the template database: finding the sheet that
// `--sheet` names, listing the sheets for `--list-sheets`, and placing a format's labels on the
// sheet's labels, left to right, then down, page after page.
class BatchSheets {
public:
    // How many of the nearest names an unknown sheet's message offers.
    static constexpr int nearestNames = 5;

    // The sheet named "BRAND PART" (letter case aside), or NotFound naming the nearest names.
    static std::variant<const LabelTemplate*, BatchFailure> find(const TemplateDatabase& database,
                                                                 const QString& name);
    // One line per sheet whose brand, part or description holds every word of `text`: name,
    // label size, label count, paper and description, separated by tabs. NotFound when none.
    static std::variant<QString, BatchFailure> list(const TemplateDatabase& database,
                                                    const QString& text);
    // The sheet's paper for the command's messages and lists: "A4", "US-Letter", "100 × 150 mm".
    static QString paperText(const LabelTemplate& sheet);
    // Damaged (the format cannot go on this sheet) when an item of this size is larger than the
    // room inside the sheet's labels, naming both sizes.
    static std::optional<BatchFailure> checkFits(const LabelTemplate& sheet, QSizeF item,
                                                 const QString& formatName);
    // `labels` copies of item `index`, one per label of the sheet: at the top-left corner of the
    // label's item box (its corner plus the markup margin), a new page after the last label.
    static QList<PrintJob::Placement> plan(const LabelTemplate& sheet, std::int64_t labels,
                                           int index);
};

} // namespace brevmark
