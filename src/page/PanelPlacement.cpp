#include "page/PanelPlacement.h"

namespace brevmark {

double PanelPlacement::atPointer(double pointer, double panelExtent, double windowExtent) {
    if (pointer + panelExtent <= windowExtent)
        return pointer - 60;
    return windowExtent - (panelExtent + 60);
}

QPointF PanelPlacement::atPointer(QPointF pointer, QSizeF panel, QSizeF window) {
    return {atPointer(pointer.x(), panel.width(), window.width()),
            atPointer(pointer.y(), panel.height(), window.height())};
}

QPointF PanelPlacement::belowItem(const QRectF& item, QPointF pageOrigin) {
    return {pageOrigin.x() + item.left(), pageOrigin.y() + item.top() + item.height() + 120};
}

} // namespace brevmark
