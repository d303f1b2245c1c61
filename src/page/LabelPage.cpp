#include "page/LabelPage.h"

#include "common/Rounding.h"

namespace brevmark {

void LabelPage::adjust(QSizeF viewport) {
    const QSizeF size = PaperTable::size(paperSize, landscape());
    width = float(size.width());
    height = float(size.height());
    left = width >= viewport.width() ? 240.0f : float((viewport.width() - width) / 2);
    top = height >= viewport.height() ? 240.0f : float((viewport.height() - height) / 2);
}

bool LabelPage::pan(const PointerState& pointer, QPointF at) {
    const float x = float(at.x());
    const float y = float(at.y());
    bool moved = false;
    if (y > pointer.pressY + 60 || y < pointer.pressY - 60) {
        top = top + y - pointer.pressY;
        moved = true;
    }
    if (x > pointer.pressX + 60 || x < pointer.pressX - 60) {
        left = left + x - pointer.pressX;
        moved = true;
    }
    return moved;
}

float LabelPage::scrolledPosition(int value) {
    return float(toInt16(300.0 - 360.0 * value));
}

} // namespace brevmark
