#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

namespace brevmark {

// Where the editor's floating panels open, in twips of the main window's client area.
class PanelPlacement {
public:
    // A panel opened at the pointer: 60 before it when the panel fits, else flush against the
    // far edge with 60 to spare. Applies to each axis alike.
    static double atPointer(double pointer, double panelExtent, double windowExtent);
    static QPointF atPointer(QPointF pointer, QSizeF panel, QSizeF window);
    // The barcode edit panel: just below the item (120 under its bottom edge). The item rectangle
    // is in page coordinates; pageOrigin is the page's top-left corner in window coordinates.
    static QPointF belowItem(const QRectF& item, QPointF pageOrigin);
    // The paper panel: 360 before the paper settings button, 600 from the top.
    static QPointF paperPanel(double buttonLeft) { return {buttonLeft - 360, 600}; }
};

} // namespace brevmark
