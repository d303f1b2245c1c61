#pragma once

#include <QString>

namespace brevmark {

// The barcode item that the barcode edit panel works on, as the entry change rule sees it. The
// page editor implements it for its edited item.
class EditedBarcode {
public:
    virtual ~EditedBarcode() = default;
    virtual void setBarcodeText(const QString& text) = 0;
    // The handle that drags the symbol inside the item.
    virtual void setSymbolHandleVisible(bool visible) = 0;
    // Draws the item's bars and text anew (redrawBarcode with the item's surface).
    virtual void redrawBarcode() = 0;
    // Erases everything drawn in the item; place, size and style stay.
    virtual void clearBarcodeDrawing() = 0;
};

} // namespace brevmark
