#include "batch/LabelMerge.h"

#include "page/PageModel.h"
#include "symbology/BarcodeText.h"

namespace brevmark {

std::optional<QString> LabelMerge::fieldNamed(const QString& caption) {
    if (caption.size() < 2 || !caption.startsWith(QLatin1Char('{')) ||
        !caption.endsWith(QLatin1Char('}')))
        return std::nullopt;
    return caption.mid(1, caption.size() - 2);
}

std::variant<LabelMerge, BatchFailure> LabelMerge::prepare(const PageModel& model, int index,
                                                           const MergeTable& table) {
    LabelMerge merge;
    merge.index_ = index;
    merge.barcodeColumn_ = table.barcodeColumn;
    const TagTable::ItemTags* tags = model.tags().find(index);
    for (int j = 0; tags && j <= TagTable::maxPerItem; ++j) {
        const std::optional<TextLabelItem>& label = tags->labels[std::size_t(j)];
        if (!label)
            continue;
        const std::optional<QString> field = fieldNamed(label->caption);
        if (!field)
            continue;
        const std::optional<int> column = table.columnOf(*field);
        if (!column)
            return BatchFailure{
                BatchExit::UnknownField,
                QStringLiteral("文字標籤 ") + label->caption + QStringLiteral(" 指的欄位「") +
                    *field + QStringLiteral("」不在記錄中；記錄的欄位有 ") + table.captionList()};
        merge.labels_.append({j, *column});
    }
    return merge;
}

std::optional<BatchFailure> LabelMerge::checkBarcodes(const MergeTable& table) {
    for (const MergeTable::Row& row : table.rows) {
        const QString& barcode = row.cells.at(table.barcodeColumn);
        if (barcode.isEmpty())
            return BatchFailure{BatchExit::Damaged,
                                table.whereIs(row) + QStringLiteral("沒有條碼")};
        QString refused;
        for (QChar c : barcode)
            if (!isBarcodeCharacter(c) && !refused.contains(c))
                refused += c;
        if (!refused.isEmpty())
            return BatchFailure{BatchExit::Damaged,
                                table.whereIs(row) + QStringLiteral("的條碼「") + barcode +
                                    QStringLiteral("」含有 Code 39 無法列印的字元「") + refused +
                                    QStringLiteral("」")};
    }
    return std::nullopt;
}

void LabelMerge::apply(PageModel& model, const MergeTable::Row& row) const {
    model.setItemText(index_, row.cells.at(barcodeColumn_));
    for (const auto& [number, column] : labels_) {
        if (const TextLabelItem* label = model.tags().label(index_, number)) {
            TextLabelItem merged = *label;
            merged.caption = row.cells.at(column);
            model.setTag({TagKind::Label, index_, number}, merged);
        }
    }
}

} // namespace brevmark
