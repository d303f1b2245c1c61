#include "print/ItemPrinter.h"

#include "common/Rounding.h"
#include "common/Twips.h"
#include "page/ItemTable.h"
#include "page/TagTable.h"
#include "platform/Printer.h"
#include "print/PrintPictures.h"
#include "print/PrintSettings.h"
#include "symbology/PrintedSymbol.h"

namespace brevmark {

namespace {
TextFont labelFont(const TextLabelItem& label) {
    TextFont font;
    font.family = label.fontName;
    font.pointSize = label.fontSize;
    font.bold = label.bold;
    font.italic = label.italic;
    font.underline = label.underline;
    return font;
}
} // namespace

ItemPrinter::ItemPrinter(const ItemTable& items, const TagTable& tags, PrintPictures& pictures)
    : items_(items), tags_(tags), pictures_(pictures) {}

QPointF ItemPrinter::printOrigin(QPointF placeOnPage, int printerKind) {
    if (printerKind == 0)
        return placeOnPage;
    return {0, 0};
}

bool ItemPrinter::drawTags(int index, QPointF origin, Printer& printer) {
    const TagTable::ItemTags* tags = tags_.find(index);
    if (!tags)
        return true;
    for (const auto& label : tags->labels) {
        if (!label)
            continue;
        printer.drawText(origin + QPointF(label->left, label->top), label->caption,
                         labelFont(*label), QColor::fromRgb(label->foreColour));
    }
    for (const auto& image : tags->images) {
        // An image without a file only shows a placeholder on screen; there is nothing to print.
        if (!image || image->file.isEmpty())
            continue;
        // The picture the item shows on the page; only an image filled from a record without the
        // editor (no picture held) reads its file.
        const Picture& picture =
            image->picture.isNull() ? pictures_.picture(image->file) : image->picture;
        const QRectF target(roundHalfEven(origin.x() + image->left),
                            roundHalfEven(origin.y() + image->top), image->width, image->height);
        if (picture.isNull() || !printer.drawPicture(picture, target))
            return false;
    }
    return true;
}

bool ItemPrinter::print(int index, Printer& printer, const PrintSettings& settings) {
    const BarcodeItem& item = items_.at(index);
    return print(index, QPointF(item.left, item.top), printer, settings);
}

bool ItemPrinter::print(int index, QPointF placeOnPage, Printer& printer,
                        const PrintSettings& settings) {
    const Fixed4 resolution = settings.resolution;
    const BarcodeItem& item = items_.at(index);
    const QPointF origin = printOrigin(placeOnPage, settings.printerKind);
    const QRectF frame(origin, QSizeF(item.width, item.height));
    printer.fillRect(frame, QColor::fromRgb(item.backColour));
    if (item.border == 1)
        printer.drawRect(frame, Qt::black, LineStyle::Solid);
    // Labels, pictures and bars stop at the item's edges, as on its surface on screen.
    printer.setClipRect(frame);
    if (!drawTags(index, origin, printer)) {
        printer.resetClip();
        return false;
    }
    const double dpi = printer.dotsPerInch();
    BarcodeAppearance symbol = item.symbol;
    printBarcodeSymbol(symbol, origin, resolution, dpi > 0 ? twips::fromDots(1, dpi) : 0, printer);
    printer.resetClip();
    return true;
}

} // namespace brevmark
