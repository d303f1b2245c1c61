#include "batch/LabelMerge.h"

#include "common/Fixed4.h"
#include "page/PageModel.h"
#include "records/BarcodeRecord.h"
#include "records/ShownText.h"
#include "symbology/BarcodeText.h"
#include "symbology/Code39Symbol.h"

#include <cmath>

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

std::optional<int> LabelMerge::capacity(const BarcodeItem& item, Fixed4 resolution) {
    const int cellLength =
        Code39Symbol::assemble(QStringLiteral("A"), item.symbol.widthRatio).cellLength();
    const int barWidth = item.symbol.barWidth == 0 ? 2 : item.symbol.barWidth;
    const double cell = double(cellLength) * barWidth * resolution.toDouble();
    if (cellLength == 0 || cell <= 0)
        return std::nullopt;
    const double room = double(item.width) - double(item.symbol.symbolLeft);
    // Start and stop take a cell each. A width no label has (a damaged file's sixty digits) holds
    // as many characters as a count can say, not a number the conversion cannot represent.
    const double cells = std::floor(room / cell + 1e-9);
    if (!(cells > 2))
        return 0;
    return int(std::min(cells, double(std::numeric_limits<int>::max()))) - 2;
}

std::optional<BatchFailure> LabelMerge::checkBarcode(const MergeTable& table,
                                                     const MergeTable::Row& row,
                                                     std::optional<int> capacity) {
    const QString& barcode = row.cells.at(table.barcodeColumn);
    if (barcode.isEmpty())
        return BatchFailure{BatchExit::Damaged, table.whereIs(row) + QStringLiteral("沒有條碼")};
    // A message names a barcode by as much of it as a list line shows.
    const QString named = ShownText::cut(barcode, 60);
    // A record file's field longer than a record holds arrives cut: it is too long for any label.
    const bool cut = BarcodeRecord::isCut(barcode);
    QString refused;
    for (QChar c : barcode)
        if (!cut && !isBarcodeCharacter(c) && !refused.contains(c))
            refused += c;
    if (!refused.isEmpty())
        return BatchFailure{BatchExit::Damaged,
                            table.whereIs(row) + QStringLiteral("的條碼「") + named +
                                QStringLiteral("」含有 Code 39 無法列印的字元「") + refused +
                                QStringLiteral("」")};
    if (cut || (capacity && barcode.size() > *capacity)) {
        const QString length = cut ? QStringLiteral("超過 %1").arg(BarcodeRecord::heldLength)
                                   : QString::number(barcode.size());
        const QString room =
            capacity ? QStringLiteral("，標籤最多只能印出 %1 個字元").arg(*capacity) : QString();
        return BatchFailure{BatchExit::Damaged,
                            table.whereIs(row) + QStringLiteral("的條碼「") + named +
                                QStringLiteral("」有 ") + length + QStringLiteral(" 個字元") +
                                room +
                                QStringLiteral("（超出標籤的部分印不出來，條碼會無法讀取）")};
    }
    return std::nullopt;
}

void LabelMerge::apply(PageModel& model, const MergeTable::Row& row) const {
    model.setItemText(index_, row.cells.at(barcodeColumn_));
    for (const auto& [number, column] : labels_) {
        if (const TextLabelItem* label = model.tags().label(index_, number)) {
            TextLabelItem merged = *label;
            merged.caption = row.cells.at(column).left(mergedTextLimit);
            model.setTag({TagKind::Label, index_, number}, merged);
        }
    }
}

} // namespace brevmark
