#pragma once

#include "import/CellTable.h"
#include "import/ConversionTable.h"
#include "import/ImportColumns.h"
#include "import/RowRange.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QStringList>
#include <optional>

namespace brevmark {

// The state of the import grid: the cells, the conversion table of the last clipboard text, the
// columns, the row range and the current cell. Positions are twips in the grid area `新增載入區`
// (row r spans y = 210 r to 210 r + 210; the row labels stand left of column 0).
class ImportGrid {
public:
    ImportGrid() = default;
    explicit ImportGrid(ImportColumns::Measure measure) : columns_(std::move(measure)) {}

    CellTable& cells() { return cells_; }
    const CellTable& cells() const { return cells_; }
    ConversionTable& conversion() { return conversion_; }
    const ConversionTable& conversion() const { return conversion_; }
    ImportColumns& columns() { return columns_; }
    const ImportColumns& columns() const { return columns_; }
    RowRange& range() { return range_; }
    const RowRange& range() const { return range_; }

    int currentRow() const { return row_; }
    int currentColumn() const { return column_; }
    void setCurrent(int row, int column);

    // A pointer move over the grid area: the cell under it becomes the current cell (row and
    // column each stay when the pointer is between them). The cell frame to draw, or nothing
    // when the pointer is left of column 0 or below the last row.
    std::optional<QRectF> hover(QPointF at);

    // The cell frame `待輸入框` around a cell, a whole row ("寬") or a whole column ("高").
    QRectF cellFrame(int row, int column) const;
    QRectF rowFrame(int row) const;
    QRectF columnFrame(int column) const;
    // Where the cell editor `修改文字` stands on a cell.
    QRectF editorRect(int row, int column) const;

    // The grid area: as wide as the header strip, as high as the handle's bottom.
    QSizeF size() const { return {columns_.stripWidth(), range_.gridHeight()}; }
    // The texts of rows 0 to L of a column.
    QStringList columnTexts(int column) const;
    // The cell editor's own content limit.
    static constexpr int editorLength = 30;

private:
    CellTable cells_;
    ConversionTable conversion_;
    ImportColumns columns_;
    RowRange range_;
    int row_ = 0;
    int column_ = 0;
};

} // namespace brevmark
