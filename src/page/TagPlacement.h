#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

namespace brevmark {

// Where the controls and pictures of text labels and images go inside their barcode item, so
// that none covers another or leaves the item; everything in item twips.
class TagPlacement {
public:
    // The item's delete button `刪除碼` and the delete-tag button `刪除籤` are this size.
    static constexpr double buttonSize = 180;

    // The delete-tag button follows the end of its label or image (right of its top-right
    // corner); where that would lie on the item's delete button (at item width − 180, 0) it moves
    // down below it.
    static QPointF deleteTagButton(const QRectF& tag, double itemWidth);

    // A new picture for an image item at `at`: its natural size when it fits in the item,
    // otherwise scaled down, keeping its aspect ratio, to fit; then moved left and up as far as
    // needed to lie inside the item. Sizes and positions are whole twips.
    static QRectF fitPicture(QPointF at, QSizeF natural, QSizeF item);
};

} // namespace brevmark
