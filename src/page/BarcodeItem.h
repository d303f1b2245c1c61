#pragma once

#include "symbology/BarcodeAppearance.h"

#include <QPointF>
#include <QRectF>
#include <QRgb>
#include <QString>
#include <cstdint>

namespace brevmark {

// One label on the page: a rectangle in twips (page coordinates) holding one Code 39 symbol.
struct BarcodeItem {
    std::int16_t exists = 0; // -1 while the index is in use
    float left = 0;
    float top = 0;
    float width = 3600;
    float height = 900;
    BarcodeAppearance symbol;
    std::uint8_t border = 0; // 1 draws a thin frame around the item
    QRgb backColour = 0xFFFFFF;
    QString category; // identity of the format record the item was last filled from
    QString name;

    bool isInUse() const { return exists != 0; }
    float right() const { return left + width; }
    float bottom() const { return top + height; }
    QRectF rect() const { return {left, top, width, height}; }

    // Width of a new item: narrower for a label printer (printer kind "1").
    static float defaultWidth(bool labelPrinter) { return labelPrinter ? 2700.0f : 3600.0f; }
    // A new, empty item at a page position with the defaults of an added item.
    static BarcodeItem blank(QPointF topLeft, bool labelPrinter);
};

} // namespace brevmark
