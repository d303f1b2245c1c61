#include "import/CellTable.h"

#include <algorithm>
#include <utility>

namespace brevmark {

namespace {
const QString nothing;
} // namespace

const QString& CellTable::text(int row, int column) const {
    return contains(row, column) ? cells_[std::size_t(row)][std::size_t(column)] : nothing;
}

void CellTable::setText(int row, int column, const QString& text) {
    if (contains(row, column))
        cells_[std::size_t(row)][std::size_t(column)] = text;
}

void CellTable::clear() {
    for (auto& row : cells_)
        for (QString& cell : row)
            cell.clear();
}

void CellTable::clearRow(int row, int columnCount) {
    for (int c = 0; c < std::min(columnCount, columns); ++c)
        setText(row, c, QString());
}

void CellTable::clearColumn(int column, int lastRow) {
    for (int r = 0; r <= std::min(lastRow, rows - 1); ++r)
        setText(r, column, QString());
}

void CellTable::removeRow(int row, int lastRow, int columnCount) {
    if (row < 0 || lastRow >= rows)
        return;
    for (int r = row; r < lastRow; ++r)
        for (int c = 0; c < std::min(columnCount, columns); ++c)
            cells_[std::size_t(r)][std::size_t(c)] = cells_[std::size_t(r + 1)][std::size_t(c)];
    clearRow(lastRow, columnCount);
}

void CellTable::swapRows(int a, int b, int columnCount) {
    if (!contains(a, 0) || !contains(b, 0))
        return;
    for (int c = 0; c < std::min(columnCount, columns); ++c)
        std::swap(cells_[std::size_t(a)][std::size_t(c)], cells_[std::size_t(b)][std::size_t(c)]);
}

void CellTable::swapColumns(int a, int b, int lastRow) {
    if (!contains(0, a) || !contains(0, b))
        return;
    for (int r = 0; r <= std::min(lastRow, rows - 1); ++r)
        std::swap(cells_[std::size_t(r)][std::size_t(a)], cells_[std::size_t(r)][std::size_t(b)]);
}

} // namespace brevmark
