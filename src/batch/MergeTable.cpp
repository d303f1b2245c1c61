#include "batch/MergeTable.h"

namespace brevmark {

std::optional<int> MergeTable::columnOf(const QString& caption) const {
    const qsizetype column = captions.indexOf(caption);
    if (column < 0)
        return std::nullopt;
    return int(column);
}

QString MergeTable::captionList() const {
    QStringList quoted;
    for (const QString& caption : captions)
        quoted << QStringLiteral("「") + caption + QStringLiteral("」");
    return quoted.join(QStringLiteral("、"));
}

} // namespace brevmark
