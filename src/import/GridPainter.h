#pragma once

class QColor;

namespace brevmark {

class DrawingSurface;
class ImportGrid;
class Picture;

// The two drawings of the import grid, in twips: the header strip `標題窗` and the grid area
// `新增載入區`. The row labels, the handle, the editor and the cell frame are controls on top.
namespace grid_painter {

// `防閃逤繪圖` (draw header): the header picture `拖動底圖` stretched over each shown header,
// its caption centred on it, and the strip's right edge. The surface is the strip's size.
void drawHeader(DrawingSurface& strip, const ImportGrid& grid, const Picture& headerPicture);
// `繪製表格` (draw grid): the cells of the rows in the range, yellow and white by turns, their
// texts, the row and column lines and the closing edges. The surface is the grid area's size.
void drawGrid(DrawingSurface& area, const ImportGrid& grid);

// The colours of the drawings.
QColor captionColour();
QColor headerBand();
QColor oddRow();
QColor firstRowLine();
QColor lineColour();
QColor edgeColour();

} // namespace grid_painter

} // namespace brevmark
