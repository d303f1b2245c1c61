#include "import/GridPainter.h"

#include "import/GridFont.h"
#include "import/ImportGrid.h"
#include "platform/DrawingSurface.h"

#include <QColor>

namespace brevmark::grid_painter {

QColor captionColour() {
    return {39, 65, 62};
}
QColor headerBand() {
    return {158, 182, 206};
}
QColor oddRow() {
    return {255, 255, 177};
}
QColor firstRowLine() {
    return {158, 182, 206};
}
QColor lineColour() {
    return {208, 215, 229};
}
QColor edgeColour() {
    return {104, 140, 175};
}

namespace {
constexpr double labelsLeft = 240;
constexpr double textInset = 30;
} // namespace

void drawHeader(DrawingSurface& strip, const ImportGrid& grid, const Picture& headerPicture) {
    const ImportColumns& columns = grid.columns();
    const double width = columns.stripWidth();
    const double height = ImportColumns::headerHeight;
    const TextFont font = gridFont();
    strip.clear();
    strip.fillRect(QRectF(QPointF(ImportColumns::firstLeft, 0), QPointF(width, height)),
                   headerBand());
    const double captionTop = (height - strip.textHeight(font)) / 2;
    for (int c = 0; c < columns.count(); ++c) {
        strip.drawPicture(headerPicture, QRectF(columns.left(c), 0, columns.width(c), height));
        strip.drawText(QPointF(columns.captionLeft(c), captionTop), columns.caption(c), font,
                       captionColour());
    }
    strip.drawLine(QPointF(width - 15, 0), QPointF(width - 15, height - 15), edgeColour());
}

void drawGrid(DrawingSurface& area, const ImportGrid& grid) {
    const ImportColumns& columns = grid.columns();
    const RowRange& range = grid.range();
    const CellTable& cells = grid.cells();
    const TextFont font = gridFont();
    const int rows = range.count();
    const double right = columns.right(columns.count() - 1);
    const double bottom = RowRange::rowTop(range.last() + 1);
    area.clear();
    for (int c = 0; c < columns.count(); ++c) {
        const double left = columns.left(c);
        const double width = columns.width(c);
        for (int r = 0; r < rows; ++r) {
            const double top = RowRange::rowTop(r);
            area.fillRect(QRectF(left, top, width, RowRange::rowHeight),
                          r % 2 == 1 ? oddRow() : QColor(Qt::white));
            const QString& text = cells.text(r, c);
            if (!text.isEmpty())
                area.drawText(QPointF(left + textInset, top + textInset), text, font, Qt::black);
        }
    }
    for (int r = 0; r <= range.last(); ++r) {
        const double y = RowRange::rowTop(r);
        area.drawLine(QPointF(labelsLeft, y), QPointF(right, y),
                      r == 0 ? firstRowLine() : lineColour());
    }
    for (int c = 0; c + 1 < columns.count(); ++c)
        area.drawLine(QPointF(columns.right(c), 0), QPointF(columns.right(c), bottom),
                      lineColour());
    area.drawLine(QPointF(labelsLeft, bottom), QPointF(right, bottom), edgeColour());
    const double edge = columns.stripWidth() - 15;
    area.drawLine(QPointF(edge, 0), QPointF(edge, bottom), edgeColour());
}

} // namespace brevmark::grid_painter
