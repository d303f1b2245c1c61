#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <optional>

namespace brevmark {

enum class PaperSize { A4 = 0, A5 = 1, B5 = 2 };

// The paper sizes the label page offers, in twips, and the zones of the paper panel's paper size
// picture.
class PaperTable {
public:
    static QSizeF size(PaperSize paper, bool landscape);
    // "A4", "A5", "B5".
    static QString caption(PaperSize paper);
    // Paper size chosen by a mouse-down at a point of the paper size picture (twips); all zone
    // bounds are exclusive.
    static std::optional<PaperSize> pictureZoneAt(QPointF point);
    // The zone of a paper size in the picture (for drawing it).
    static QRectF pictureZone(PaperSize paper);
};

} // namespace brevmark
