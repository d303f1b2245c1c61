#include "shell/FrameLayout.h"

namespace brevmark {

const std::array<QSizeF, 9>& FrameLayout::pieceSizes() {
    static const std::array<QSizeF, 9> sizes{{
        {240, 480},  // 0 top-left corner
        {3960, 480}, // 1 top edge with the program's name
        {600, 480},  // 2 title and toolbar strip (stretched)
        {240, 480},  // 3 top-right corner
        {90, 600},   // 4 left edge (stretched)
        {90, 600},   // 5 right edge (stretched)
        {240, 480},  // 6 bottom-left corner
        {600, 480},  // 7 bottom edge with the hint line (stretched)
        {240, 480},  // 8 bottom-right corner with the resize grip
    }};
    return sizes;
}

FrameLayout FrameLayout::compute(QSizeF window, LayoutMode layoutMode,
                                 const FrameLayout* previous) {
    const bool simple = layoutMode == LayoutMode::Simple;
    const bool professional = layoutMode == LayoutMode::Professional;
    const auto& size = pieceSizes();
    const double w = window.width();
    const double h = window.height();
    FrameLayout f;
    auto& p = f.pieces;
    p[0] = QRectF(QPointF(0, 0), size[0]);
    p[1] = QRectF(QPointF(p[0].left() + p[0].width(), 0), size[1]);
    const double stripLeft = simple ? 4200 : p[1].left() + p[1].width();
    p[3] = QRectF(QPointF(w - size[3].width(), 0), size[3]);
    QSizeF strip = size[2];
    if (p[3].left() - stripLeft > 0)
        strip.setWidth(p[3].left() - stripLeft);
    p[2] = QRectF(QPointF(stripLeft, 0), strip);
    p[6] = QRectF(QPointF(0, h - size[6].height()), size[6]);
    p[4] = QRectF(0, p[0].top() + p[0].height(), size[4].width(), 0);
    p[4].setHeight(p[6].top() - p[4].top());
    p[8] = QRectF(QPointF(w - size[8].width(), h - size[8].height()), size[8]);
    p[5] = QRectF(w - size[5].width(), p[3].top() + p[3].height(), size[5].width(), 0);
    p[5].setHeight(p[8].top() - p[5].top());
    p[7] = QRectF(p[6].left() + p[6].width(), h - size[7].height(), 0, size[7].height());
    p[7].setWidth(p[8].left() - p[7].left());

    const double viewLeft = p[4].left() + p[4].width();
    const double viewTop = p[2].height();
    f.viewport = QRectF(viewLeft, viewTop, p[5].left() - viewLeft, p[7].top() - viewTop - 15);

    f.hint = QRectF(p[7].left(), p[7].top() + 165, qMax(0.0, p[7].width() - 60), 255);
    f.hintShadow = f.hint.translated(15, 15);

    if (simple || professional) {
        f.maximiseButtonShown = professional;
        const double groupWidth = captionButtonWidth * (professional ? 3 : 2);
        f.closeButtonLeft = professional ? 780 : captionButtonWidth;
        f.captionGroup = QRectF(0, captionGroupTop, groupWidth, captionButtonHeight);
    } else if (previous) {
        f.maximiseButtonShown = previous->maximiseButtonShown;
        f.closeButtonLeft = previous->closeButtonLeft;
        f.captionGroup = previous->captionGroup;
    } else {
        f.captionGroup = QRectF(0, captionGroupTop, captionButtonWidth * 2, captionButtonHeight);
        f.closeButtonLeft = captionButtonWidth;
    }
    f.captionGroup.moveLeft(p[3].left() - f.captionGroup.width());
    return f;
}

} // namespace brevmark
