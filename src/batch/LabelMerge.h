#pragma once

#include "batch/BatchFailure.h"
#include "batch/MergeTable.h"

#include <QList>
#include <QPair>
#include <optional>
#include <variant>

namespace brevmark {

struct BarcodeItem;
class Fixed4;
struct PageModel;

// A barcode format merged with records: before a record's labels print, the barcode item takes
// the record's barcode as its symbol's text, and each text label whose whole caption is a field
// caption in braces (for example {名稱}) takes that field of the record. Other labels print as
// they are.
class LabelMerge {
public:
    // The fields the labels of item `index` name; a name in braces that is no caption fails.
    static std::variant<LabelMerge, BatchFailure> prepare(const PageModel& model, int index,
                                                          const MergeTable& table);
    // A merged text label shows at most this many characters of its field: more than a label of
    // any size can show (the widest page at the smallest type holds fewer), so the print is the
    // same while the work stays bounded.
    static constexpr int mergedTextLimit = 4000;

    // How many characters the item's symbol can hold: the symbol starts at its left and must end
    // by the item's right edge, since the print stops there. Nothing when the item's width ratio
    // gives no symbol.
    static std::optional<int> capacity(const BarcodeItem& item, Fixed4 resolution);
    // The failure for a row whose barcode Code 39 cannot print: an empty one, one with a
    // character it cannot hold, or one longer than the label holds (capacity, when given).
    static std::optional<BatchFailure>
    checkBarcode(const MergeTable& table, const MergeTable::Row& row, std::optional<int> capacity);
    // The field a caption names in braces, if it does.
    static std::optional<QString> fieldNamed(const QString& caption);

    // The row's barcode and fields go to the item; a field longer than mergedTextLimit is cut.
    void apply(PageModel& model, const MergeTable::Row& row) const;

private:
    int index_ = 0;
    int barcodeColumn_ = 0;
    QList<QPair<int, int>> labels_; // label number, column
};

} // namespace brevmark
