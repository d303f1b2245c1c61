#pragma once

#include <QList>
#include <QPair>
#include <QPointF>
#include <QRectF>
#include <QSize>

namespace brevmark {

// One of the six common A4 label sheets, named by how many labels it holds: where its guide goes
// on the page unless the user moved it, where it lies in the alignment window's background, and
// the outline of its labels in the guide picture.
struct SheetFormat {
    using Span = QPair<int, int>; // first and last pixel of a column or a row of labels

    int number;
    QPointF defaultOffset; // twips from the page's top-left corner
    QRectF windowArea;     // twips of the alignment window's background, borders excluded
    QSize picturePixels;   // the guide picture, one pixel per 15 twips on the page
    QList<Span> columns;
    QList<Span> rows;

    // The guide picture's size on the page, twips.
    QSizeF pictureTwips() const;
    // Whether a point of the alignment window's background lies inside the area (borders
    // excluded).
    bool areaContains(QPointF twips) const;
};

// The six sheet formats: 24, 30, 68, 70, 95 and 96 labels.
class SheetFormats {
public:
    static const QList<SheetFormat>& all();
    // The format with that number, or null.
    static const SheetFormat* find(int number);
    // The format whose area of the alignment window's background holds the point, or null.
    static const SheetFormat* atWindowPoint(QPointF twips);
};

} // namespace brevmark
