#include "batch/BatchSheets.h"

#include "alignment/LabelTemplate.h"
#include "alignment/TemplateDatabase.h"

namespace brevmark {

namespace {

QString size(QSizeF twipsSize) {
    return LabelTemplate::millimetres(twipsSize.width()) + QStringLiteral(" × ") +
           LabelTemplate::millimetres(twipsSize.height()) + QStringLiteral(" mm");
}

QString quoted(const QString& text) {
    return QStringLiteral("「") + text + QStringLiteral("」");
}

// A little less than a twip: lengths read from millimetres are not whole twips.
constexpr double slack = 0.5;

} // namespace

std::variant<const LabelTemplate*, BatchFailure> BatchSheets::find(const TemplateDatabase& database,
                                                                   const QString& name) {
    if (const LabelTemplate* sheet = database.find(name))
        return sheet;
    if (database.sheets().isEmpty())
        return BatchFailure{BatchExit::NotFound,
                            QStringLiteral("找不到標籤紙範本資料庫（請安裝 glabels-data，或把範本"
                                           "檔放在 ") +
                                TemplateDatabase::userFolder() + QStringLiteral("）")};
    return BatchFailure{BatchExit::NotFound,
                        QStringLiteral("找不到標籤紙") + quoted(name) +
                            QStringLiteral("；最接近的有 ") +
                            database.closest(name, nearestNames).join(QStringLiteral("、")) +
                            QStringLiteral("（brevmark-batch --list-sheets 文字 可列出標籤紙）")};
}

std::variant<QString, BatchFailure> BatchSheets::list(const TemplateDatabase& database,
                                                      const QString& text) {
    QString lines;
    for (const LabelTemplate* sheet : database.matching(text))
        lines += QStringList{sheet->name(), sheet->sizeText(), QString::number(sheet->labelCount()),
                             paperText(*sheet), sheet->description}
                     .join(QLatin1Char('\t')) +
                 QLatin1Char('\n');
    if (!lines.isEmpty())
        return lines;
    if (database.sheets().isEmpty())
        return std::get<BatchFailure>(find(database, text));
    return BatchFailure{BatchExit::NotFound,
                        QStringLiteral("沒有標籤紙的廠牌、型號或說明含有") + quoted(text)};
}

QString BatchSheets::paperText(const LabelTemplate& sheet) {
    if (sheet.paperId == QLatin1String("Other"))
        return size(sheet.paper);
    return sheet.paperId;
}

std::optional<BatchFailure> BatchSheets::checkFits(const LabelTemplate& sheet, QSizeF item,
                                                   const QString& formatName) {
    const QList<QRectF> labels = sheet.labels();
    const QRectF room = sheet.itemBox(labels.first());
    if (item.width() <= room.width() + slack && item.height() <= room.height() + slack)
        return std::nullopt;
    QString roomText = size(room.size());
    if (sheet.markupMargin > 0 || room.size() != sheet.labelSize)
        roomText += QStringLiteral("（標籤 ") + size(sheet.labelSize) +
                    QStringLiteral("，扣除邊界 ") + LabelTemplate::millimetres(sheet.markupMargin) +
                    QStringLiteral(" mm）");
    return BatchFailure{BatchExit::Damaged, QStringLiteral("條碼格式") + quoted(formatName) +
                                                QStringLiteral("為 ") + size(item) +
                                                QStringLiteral("（%1 × %2 twips），大於 ")
                                                    .arg(double(float(item.width())))
                                                    .arg(double(float(item.height()))) +
                                                sheet.name() + QStringLiteral(" 的標籤可放的 ") +
                                                roomText};
}

QList<PrintJob::Placement> BatchSheets::plan(const LabelTemplate& sheet, std::int64_t labels,
                                             int index) {
    QList<QPointF> corners;
    for (const QRectF& label : sheet.labels())
        corners << sheet.itemBox(label).topLeft();
    QList<PrintJob::Placement> placements;
    if (corners.isEmpty())
        return placements;
    placements.reserve(qsizetype(labels));
    for (std::int64_t k = 0; k < labels; ++k) {
        const qsizetype slot = qsizetype(k % corners.size());
        placements.append({index, corners[slot], k > 0 && slot == 0});
    }
    return placements;
}

} // namespace brevmark
