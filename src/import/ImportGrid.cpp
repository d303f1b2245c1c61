#include "import/ImportGrid.h"

namespace brevmark {

namespace {
constexpr double frameOutset = 15;
} // namespace

void ImportGrid::setCurrent(int row, int column) {
    if (CellTable::contains(row, column)) {
        row_ = row;
        column_ = column;
    }
}

std::optional<QRectF> ImportGrid::hover(QPointF at) {
    const double bottom = RowRange::rowTop(range_.last() + 1);
    if (at.x() < columns_.left(0) || at.y() > bottom)
        return std::nullopt;
    const int column = columns_.columnAt(at.x());
    if (column >= 0)
        column_ = column;
    for (int r = 0; r < range_.count(); ++r) {
        const double top = RowRange::rowTop(r);
        if (top < at.y() && at.y() < top + RowRange::rowHeight) {
            row_ = r;
            break;
        }
    }
    if (row_ > range_.last())
        return std::nullopt;
    return cellFrame(row_, column_);
}

QRectF ImportGrid::cellFrame(int row, int column) const {
    return {columns_.left(column) - frameOutset, RowRange::rowTop(row),
            columns_.width(column) + 2 * frameOutset, RowRange::rowHeight + frameOutset};
}

QRectF ImportGrid::rowFrame(int row) const {
    const double left = columns_.left(0) - frameOutset;
    return {left, RowRange::rowTop(row), columns_.right(columns_.count() - 1) + frameOutset - left,
            RowRange::rowHeight + frameOutset};
}

QRectF ImportGrid::columnFrame(int column) const {
    return {columns_.left(column) - frameOutset, 0, columns_.width(column) + 2 * frameOutset,
            RowRange::rowTop(range_.last() + 1) + frameOutset};
}

QRectF ImportGrid::editorRect(int row, int column) const {
    return {columns_.left(column), RowRange::rowTop(row) + 15, columns_.width(column),
            RowRange::rowHeight - 15};
}

QStringList ImportGrid::columnTexts(int column) const {
    QStringList texts;
    for (int r = 0; r <= range_.last(); ++r)
        texts << cells_.text(r, column);
    return texts;
}

} // namespace brevmark
