#pragma once

#include "import/CellTable.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

namespace brevmark {

// The columns of the import grid: the column count C, the captions `標題` 0 to 11 and the
// headers `標題框` 0 to 11 with their left edges and widths. Column 0 starts at x = 585 (the row
// labels take the strip before it); each next column starts 15 after the previous right edge.
// Columns 0 to C - 1 are shown and used; column k holds record field k. All lengths in twips.
class ImportColumns {
public:
    static constexpr int defaultCount = 4;
    static constexpr double firstLeft = 585;
    static constexpr double gap = 15;
    static constexpr double headerHeight = 300;
    // A header is as wide as its caption and this much more when the window opens.
    static constexpr double captionMargin = 480;
    // The room beside the widest text when a column is fitted, and the band at a header's right
    // edge where the pointer sizes it.
    static constexpr double fitMargin = 120;
    static constexpr double sizingBand = 120;

    // The width of a text in the captions' and cells' font (`字的寬度`, the auto-sizing label).
    using Measure = std::function<double(const QString&)>;
    // Measures with 新細明體 9.75 points, the font the grid is drawn in.
    ImportColumns();
    explicit ImportColumns(Measure measure);

    int count() const { return count_; }
    void setCount(int count);
    const QString& caption(int c) const;
    void setCaption(int c, const QString& caption);

    double left(int c) const;
    double width(int c) const;
    double right(int c) const { return left(c) + width(c); }
    double captionWidth(int c) const;
    // Where caption c stands: centred on its header.
    double captionLeft(int c) const;
    // The width of the header strip and of the grid area: the last shown column's right edge + 15.
    double stripWidth() const;
    double textWidth(const QString& text) const { return measure_(text); }

    // Every header as wide as its caption + 480.
    void resetWidths();
    // Dragging header c's right edge to x (twips from the header's left): it takes that width
    // when x leaves room for the caption; later headers move along. True when the width changed.
    bool dragTo(int c, double x);
    // Whether the pointer at x on header c is in the band that sizes it.
    bool onSizingBand(int c, double x) const;
    // A double click: the column as wide as its widest text + 120 when that is wider than its
    // caption; otherwise nothing changes. True when the width changed.
    bool fitTo(int c, const QStringList& texts);
    // The first shown column with left(c) < x < right(c), or -1.
    int columnAt(double x) const;

private:
    void placeFrom(int c);

    Measure measure_;
    int count_ = defaultCount;
    std::array<QString, CellTable::columns> captions_;
    std::array<double, CellTable::columns> lefts_{};
    std::array<double, CellTable::columns> widths_{};
};

} // namespace brevmark
