#include "page/TagPlacement.h"

#include "common/Rounding.h"

#include <algorithm>

namespace brevmark {

QPointF TagPlacement::deleteTagButton(const QRectF& tag, double itemWidth) {
    const QPointF end(tag.left() + tag.width(), tag.top());
    const QRectF button(end, QSizeF(buttonSize, buttonSize));
    const QRectF deleteButton(itemWidth - buttonSize, 0, buttonSize, buttonSize);
    if (button.intersects(deleteButton))
        return {end.x(), deleteButton.bottom() + 15};
    return end;
}

QRectF TagPlacement::fitPicture(QPointF at, QSizeF natural, QSizeF item) {
    QSizeF size = natural;
    if (natural.width() > item.width() || natural.height() > item.height()) {
        const double scale =
            std::min(item.width() / natural.width(), item.height() / natural.height());
        size = QSizeF(std::max(1.0, roundHalfEven(natural.width() * scale)),
                      std::max(1.0, roundHalfEven(natural.height() * scale)));
    }
    const double left = std::max(0.0, std::min(at.x(), item.width() - size.width()));
    const double top = std::max(0.0, std::min(at.y(), item.height() - size.height()));
    return {left, top, size.width(), size.height()};
}

} // namespace brevmark
