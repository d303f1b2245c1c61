#pragma once

#include <QPointF>

namespace brevmark {

class ItemTable;
class Printer;
class PrintPictures;
class TagTable;
struct PrintSettings;

// `噴墨列印`: draws one barcode item into the open print document, in this order: background,
// border, text labels, images, then the symbol (centred text, and per cell the spread character
// and the bar lines one print resolution apart, starting on the resolution grid, filled at least
// one printer dot wide). Labels, images and symbol are clipped to the item's rectangle, and
// images print the picture they show on the page. It neither starts pages nor ends the document.
class ItemPrinter {
public:
    ItemPrinter(const ItemTable& items, const TagTable& tags, PrintPictures& pictures);

    // Where the item's top-left corner goes on paper: its place on the label page for a page
    // printer (kind 0), the page's corner for a label printer and any other kind.
    static QPointF printOrigin(QPointF placeOnPage, int printerKind);

    // Prints the item as if it lay at `placeOnPage` (a copy of item 0), or where it lies. False
    // when the item could not be printed completely (a picture that cannot be drawn): the rest of
    // the item is not printed, and the caller tells the user and goes on with the next item.
    bool print(int index, QPointF placeOnPage, Printer& printer, const PrintSettings& settings);
    bool print(int index, Printer& printer, const PrintSettings& settings);

private:
    bool drawTags(int index, QPointF origin, Printer& printer);

    const ItemTable& items_;
    const TagTable& tags_;
    PrintPictures& pictures_;
};

} // namespace brevmark
