#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

namespace brevmark {

struct LabelTemplate;

// "Fill the sheet": where the copies of one barcode item go so that each label of a stock sheet
// holds one.
class SheetFill {
public:
    // One rectangle per label, left to right, then down: the copy's top-left corner at the
    // label's item box (the label's corner plus the markup margin for a rectangle), its size the
    // item's, cut down to that box where the item is larger. `shift` moves every label as the
    // user moved the sheet's guide. Labels without room for an item get none.
    static QList<QRectF> boxes(const LabelTemplate& sheet, QPointF shift, QSizeF itemSize);
};

} // namespace brevmark
