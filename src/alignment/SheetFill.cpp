#include "alignment/SheetFill.h"

#include "alignment/LabelTemplate.h"

namespace brevmark {

QList<QRectF> SheetFill::boxes(const LabelTemplate& sheet, QPointF shift, QSizeF itemSize) {
    QList<QRectF> boxes;
    for (const QRectF& label : sheet.labels()) {
        const QRectF room = sheet.itemBox(label.translated(shift));
        if (room.width() < 1 || room.height() < 1)
            continue;
        boxes << QRectF(room.topLeft(), QSizeF(qMin(itemSize.width(), room.width()),
                                               qMin(itemSize.height(), room.height())));
    }
    return boxes;
}

} // namespace brevmark
