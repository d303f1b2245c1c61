#include "import/WindowGrip.h"

namespace brevmark {

bool WindowGrip::onGrip(QPointF p, QSizeF window) {
    return p.x() > window.width() - corner && p.y() > window.height() - corner;
}

bool WindowGrip::drag(QPointF p, QPointF& press, QSizeF& size, QSizeF minimum) {
    bool changed = false;
    if (p.y() > press.y() + threshold ||
        (p.y() < press.y() - threshold && size.height() > minimum.height())) {
        size.setHeight(size.height() + p.y() - press.y());
        press.setY(p.y());
        changed = true;
    }
    if (p.x() > press.x() + threshold ||
        (p.x() < press.x() - threshold && size.width() > minimum.width())) {
        size.setWidth(size.width() + p.x() - press.x());
        press.setX(p.x());
        changed = true;
    }
    if (changed)
        size = size.expandedTo(minimum);
    return changed;
}

} // namespace brevmark
