#include "page/PaperTable.h"

#include <QRectF>

namespace brevmark {

QSizeF PaperTable::size(PaperSize paper, bool landscape) {
    QSizeF portrait;
    switch (paper) {
    case PaperSize::A4:
        portrait = {12000, 16700};
        break;
    case PaperSize::A5:
        portrait = {8350, 12000};
        break;
    case PaperSize::B5:
        portrait = {10300, 14650};
        break;
    case PaperSize::Letter:
        portrait = {12240, 15840};
        break;
    }
    return landscape ? portrait.transposed() : portrait;
}

QString PaperTable::caption(PaperSize paper) {
    switch (paper) {
    case PaperSize::A4:
        return QStringLiteral("A4");
    case PaperSize::A5:
        return QStringLiteral("A5");
    case PaperSize::B5:
        return QStringLiteral("B5");
    case PaperSize::Letter:
        return QStringLiteral("US Letter");
    }
    return {};
}

QRectF PaperTable::pictureZone(PaperSize paper) {
    switch (paper) {
    case PaperSize::A4:
        return QRectF(QPointF(840, 960), QPointF(1360, 1100));
    case PaperSize::A5:
        return QRectF(QPointF(840, 1200), QPointF(1360, 1400));
    case PaperSize::B5:
        return QRectF(QPointF(840, 1440), QPointF(1360, 1640));
    case PaperSize::Letter:
        break;
    }
    return {};
}

std::optional<PaperSize> PaperTable::pictureZoneAt(QPointF p) {
    for (PaperSize paper : {PaperSize::A4, PaperSize::A5, PaperSize::B5}) {
        const QRectF zone = pictureZone(paper);
        if (p.x() > zone.left() && p.x() < zone.right() && p.y() > zone.top() &&
            p.y() < zone.bottom())
            return paper;
    }
    return std::nullopt;
}

} // namespace brevmark
