#include "import/TableFunctions.h"

#include "import/ImportGrid.h"

namespace brevmark {

namespace {
// Right edges of the bands of items 0 to 5; item 6 takes everything beyond.
constexpr std::array<double, 7> bandEdges{45, 405, 765, 1170, 1530, 1890, 2250};
constexpr double lastBandWidth = 360;
} // namespace

TableFunctions::Offered TableFunctions::offered(Mode mode, int k, const ImportGrid& grid) {
    Offered o{};
    const int last = grid.range().last();
    const int lastColumn = grid.columns().count() - 1;
    o[Clear] = true;
    if (mode == Mode::Row) {
        o[RemoveRow] = last > 0;
        o[RowUp] = k >= 1;
        o[RowDown] = k < last;
    } else {
        o[ColumnLeft] = k >= 1;
        o[ColumnRight] = k < lastColumn;
    }
    return o;
}

int TableFunctions::itemAt(double x) {
    for (int item = 0; item + 1 < int(bandEdges.size()); ++item)
        if (x > bandEdges[std::size_t(item)] && x <= bandEdges[std::size_t(item + 1)])
            return item;
    return x > bandEdges.back() ? ColumnRight : -1;
}

double TableFunctions::bandLeft(int item) {
    return bandEdges[std::size_t(qBound(0, item, itemCount - 1))];
}

double TableFunctions::bandRight(int item) {
    return item >= ColumnRight ? bandEdges.back() + lastBandWidth
                               : bandEdges[std::size_t(qBound(0, item, itemCount - 2) + 1)];
}

QString TableFunctions::hint(int item, Mode mode) {
    switch (item) {
    case RemoveRow:
        return QStringLiteral("刪除 整行資料移除不用");
    case Clear:
        return mode == Mode::Row ? QStringLiteral("清除 整行資料內容")
                                 : QStringLiteral("清除 整列資料內容");
    case RowUp:
        return QStringLiteral("整行 資料往 (↑) 上移動");
    case RowDown:
        return QStringLiteral("整行 資料往 (↓) 下移動");
    case ColumnLeft:
        return QStringLiteral("整行 資料往 (←) 左移動");
    case ColumnRight:
        return QStringLiteral("整行 資料往 (→) 右移動");
    default:
        return QString();
    }
}

QString TableFunctions::frameTag(Mode mode) {
    return mode == Mode::Row ? QStringLiteral("寬") : QStringLiteral("高");
}

bool TableFunctions::perform(int item, Mode mode, int k, ImportGrid& grid) {
    if (item < 0 || item >= itemCount || !offered(mode, k, grid)[std::size_t(item)])
        return false;
    CellTable& cells = grid.cells();
    const int last = grid.range().last();
    const int columns = grid.columns().count();
    switch (item) {
    case RemoveRow:
        cells.removeRow(k, last, columns);
        grid.range().setRange(grid.range().count() - 1);
        break;
    case Clear:
        if (mode == Mode::Row)
            cells.clearRow(k, columns);
        else
            cells.clearColumn(k, last);
        break;
    case RowUp:
        cells.swapRows(k, k - 1, columns);
        break;
    case RowDown:
        cells.swapRows(k, k + 1, columns);
        break;
    case ColumnLeft:
        cells.swapColumns(k, k - 1, last);
        break;
    case ColumnRight:
        cells.swapColumns(k, k + 1, last);
        break;
    default:
        return false;
    }
    return true;
}

} // namespace brevmark
