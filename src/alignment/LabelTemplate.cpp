#include "alignment/LabelTemplate.h"

#include "common/Twips.h"

#include <QtMath>
#include <algorithm>

namespace brevmark {

namespace {

// The largest upright rectangle between the hole of a CD and its outer edge, above the hole:
// its bottom edge `hole` from the centre, its top edge where the outer circle is still as wide.
QRectF aboveTheHole(QPointF centre, double outer, double hole) {
    QRectF best;
    constexpr int steps = 200;
    for (int k = 1; k < steps; ++k) {
        const double top = hole + (outer - hole) * k / steps; // distance of the top edge
        const double halfWidth = std::sqrt(std::max(0.0, outer * outer - top * top));
        const QRectF box(centre.x() - halfWidth, centre.y() - top, 2 * halfWidth, top - hole);
        if (box.width() * box.height() > best.width() * best.height())
            best = box;
    }
    return best;
}

} // namespace

QString LabelTemplate::millimetres(double twipsValue) {
    QString text = QString::number(twipsValue / twips::perInch * 25.4, 'f', 1);
    if (text.endsWith(QLatin1String(".0")))
        text.chop(2);
    return text;
}

QString LabelTemplate::name() const {
    return brand + QLatin1Char(' ') + part;
}

int LabelTemplate::labelCount() const {
    int count = 0;
    for (const Layout& l : layouts)
        count += l.nx * l.ny;
    return count;
}

QList<QRectF> LabelTemplate::labels() const {
    QList<QRectF> rects;
    rects.reserve(labelCount());
    for (const Layout& l : layouts)
        for (int j = 0; j < l.ny; ++j)
            for (int i = 0; i < l.nx; ++i)
                rects.append(QRectF(QPointF(l.x0 + i * l.dx, l.y0 + j * l.dy), labelSize));
    // Rows across layouts: tops that differ by less than a twip are one row.
    std::stable_sort(rects.begin(), rects.end(), [](const QRectF& a, const QRectF& b) {
        if (std::abs(a.top() - b.top()) >= 1)
            return a.top() < b.top();
        return a.left() < b.left();
    });
    return rects;
}

QRectF LabelTemplate::labelsBounds() const {
    QRectF bounds;
    for (const QRectF& r : labels())
        bounds = bounds.isNull() ? r : bounds.united(r);
    return bounds;
}

QRectF LabelTemplate::guideArea() const {
    return labelsBounds() & QRectF(QPointF(0, 0), paper);
}

QRectF LabelTemplate::itemBox(const QRectF& label) const {
    const double m = markupMargin;
    switch (shape) {
    case Shape::Rectangle:
        return label.adjusted(m, m, -m, -m);
    case Shape::Round:
    case Shape::Ellipse: {
        // The largest rectangle inside an ellipse has sides √2 times its half axes.
        const double w = std::max(0.0, label.width() / 2 - m) * M_SQRT2;
        const double h = std::max(0.0, label.height() / 2 - m) * M_SQRT2;
        return QRectF(label.center().x() - w / 2, label.center().y() - h / 2, w, h);
    }
    case Shape::Cd: {
        const double outer = cdRadius - m;
        const double hole = holeRadius + m;
        if (outer <= hole)
            return {};
        // A card-sized CD label also ends at the card's edges.
        return aboveTheHole(label.center(), outer, hole) & label.adjusted(m, m, -m, -m);
    }
    }
    return {};
}

QString LabelTemplate::sizeText() const {
    switch (shape) {
    case Shape::Round:
        return QStringLiteral("Ø %1 mm 圓形").arg(millimetres(labelSize.width()));
    case Shape::Cd:
        return QStringLiteral("Ø %1 mm 光碟").arg(millimetres(2 * cdRadius));
    case Shape::Ellipse:
        return QStringLiteral("%1 × %2 mm 橢圓")
            .arg(millimetres(labelSize.width()), millimetres(labelSize.height()));
    case Shape::Rectangle:
        break;
    }
    return QStringLiteral("%1 × %2 mm")
        .arg(millimetres(labelSize.width()), millimetres(labelSize.height()));
}

} // namespace brevmark
