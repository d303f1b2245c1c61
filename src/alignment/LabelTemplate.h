#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace brevmark {

// One stock label sheet of the template database (gLabels' format): who makes it, its paper, the
// shape and size of its labels and where they lie. All lengths in twips, positions from the
// paper's top-left corner.
struct LabelTemplate {
    enum class Shape { Rectangle, Round, Ellipse, Cd };

    // `nx` × `ny` labels, the first with its top-left corner at (x0, y0), the next ones `dx` to
    // the right and `dy` below.
    struct Layout {
        int nx = 1;
        int ny = 1;
        double x0 = 0;
        double y0 = 0;
        double dx = 0;
        double dy = 0;
    };

    QString brand;
    QString part;
    QString description;
    QString paperId;      // "A4", "US-Letter", … or "Other" with its own size
    QSizeF paper;         // twips, portrait as the template gives it
    QString equivalentOf; // the part whose geometry this one shares, or empty

    Shape shape = Shape::Rectangle;
    QSizeF labelSize;        // the label's bounding box (a round label: its diameter)
    double cornerRadius = 0; // rectangles
    double cdRadius = 0;     // CD labels: the disc, which a card-sized label may cut
    double holeRadius = 0;   // CD labels
    double markupMargin = 0; // the margin the maker advises inside each label
    QList<Layout> layouts;

    // "BRAND PART", as the user types it.
    QString name() const;
    int labelCount() const;
    // The labels' bounding boxes on the paper, left to right, then down.
    QList<QRectF> labels() const;
    // The smallest rectangle holding every label.
    QRectF labelsBounds() const;
    // What of it lies on the paper: the area a guide shows (a label drawn off the paper by a
    // wrong template never makes the guide larger than the paper).
    QRectF guideArea() const;
    // The rectangle inside a label where an item goes: the label less the markup margin on every
    // side; for round, elliptical and CD labels the largest upright rectangle inside that margin
    // (above the hole of a CD), so no corner of the item lies off the label.
    QRectF itemBox(const QRectF& label) const;
    // The label size as the lists show it: "38.1 × 21.2 mm", "Ø 40 mm 圓形".
    QString sizeText() const;
    // A length in millimetres as the lists show it: one decimal, none when it is ".0".
    static QString millimetres(double twips);
};

} // namespace brevmark
