#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <optional>

namespace brevmark {

// US Letter comes with the stock label sheets made for it.
enum class PaperSize { A4 = 0, A5 = 1, B5 = 2, Letter = 3 };

// The paper sizes the label page offers, in twips, and the zones of the paper panel's paper size
// picture.
class PaperTable {
public:
    static QSizeF size(PaperSize paper, bool landscape);
    static constexpr int count = 4;
    // "A4", "A5", "B5", "US Letter".
    static QString caption(PaperSize paper);
    // Paper size chosen by a mouse-down at a point of the paper size picture (twips); all zone
    // bounds are exclusive.
    static std::optional<PaperSize> pictureZoneAt(QPointF point);
    // The zone of a paper size in the picture (for drawing it); US Letter has none.
    static QRectF pictureZone(PaperSize paper);
};

} // namespace brevmark
