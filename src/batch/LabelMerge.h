#pragma once

#include "batch/BatchFailure.h"
#include "batch/MergeTable.h"

#include <QList>
#include <QPair>
#include <optional>
#include <variant>

namespace brevmark {

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
    // Fails for the first row whose barcode Code 39 cannot print: an empty one, or one with a
    // character it cannot hold.
    static std::optional<BatchFailure> checkBarcodes(const MergeTable& table);
    // The field a caption names in braces, if it does.
    static std::optional<QString> fieldNamed(const QString& caption);

    void apply(PageModel& model, const MergeTable::Row& row) const;

private:
    int index_ = 0;
    int barcodeColumn_ = 0;
    QList<QPair<int, int>> labels_; // label number, column
};

} // namespace brevmark
