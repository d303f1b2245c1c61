#include "page/BarcodeItem.h"

namespace brevmark {

BarcodeItem BarcodeItem::blank(QPointF topLeft, bool labelPrinter) {
    BarcodeItem item;
    item.exists = -1;
    item.left = float(topLeft.x());
    item.top = float(topLeft.y());
    item.width = defaultWidth(labelPrinter);
    item.height = 900;
    item.symbol.text.clear();
    item.symbol.textSize = 10;
    item.symbol.textBold = false;
    item.symbol.textItalic = false;
    item.symbol.textUnderline = false;
    item.symbol.symbolLeft = 120;
    item.symbol.symbolTop = 120;
    item.symbol.barHeight = QStringLiteral("480");
    item.symbol.barWidth = 2;
    item.symbol.widthRatio = 0;
    item.symbol.showText = 1;
    item.symbol.textAlignment = 0;
    return item;
}

} // namespace brevmark
