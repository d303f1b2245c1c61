#include "import/ImportFrameLayout.h"

namespace brevmark {

const std::array<QSizeF, ImportFrameLayout::pieceCount>& ImportFrameLayout::pieceSizes() {
    static const std::array<QSizeF, pieceCount> sizes{{
        {240, 480}, // 0 top-left corner
        {600, 480}, // 1 top edge with the title and the toolbar (stretched)
        {240, 480}, // 2 top-right corner
        {90, 600},  // 3 left edge (stretched)
        {90, 600},  // 4 right edge (stretched)
        {240, 480}, // 5 bottom-left corner
        {600, 480}, // 6 bottom edge with the hint line (stretched)
        {240, 480}, // 7 bottom-right corner with the resize grip
    }};
    return sizes;
}

ImportFrameLayout ImportFrameLayout::compute(QSizeF window, bool smallScreen) {
    const auto& size = pieceSizes();
    const double w = window.width();
    const double h = window.height();
    ImportFrameLayout f;
    auto& p = f.pieces;
    p[0] = QRectF(QPointF(0, 0), size[0]);
    p[2] = QRectF(QPointF(w - size[2].width(), 0), size[2]);
    p[1] = QRectF(p[0].right(), 0, qMax(0.0, p[2].left() - p[0].right()), size[1].height());
    p[5] = QRectF(QPointF(0, h - size[5].height()), size[5]);
    p[7] = QRectF(QPointF(w - size[7].width(), h - size[7].height()), size[7]);
    p[6] = QRectF(p[5].right(), h - size[6].height(), qMax(0.0, p[7].left() - p[5].right()),
                  size[6].height());
    p[3] = QRectF(0, p[0].bottom(), size[3].width(), qMax(0.0, p[5].top() - p[0].bottom()));
    p[4] = QRectF(w - size[4].width(), p[2].bottom(), size[4].width(),
                  qMax(0.0, p[7].top() - p[2].bottom()));

    const double left = p[3].right();
    const double top = p[1].height();
    f.viewport = QRectF(left, top, qMax(0.0, p[4].left() - left), qMax(0.0, p[6].top() - top));
    const QRectF& v = f.viewport;
    f.verticalBar =
        QRectF(v.right() - scrollBarThickness, v.top() - 15, scrollBarThickness, v.height() + 15);
    f.horizontalBar = QRectF(v.left(), v.bottom() - scrollBarThickness,
                             qMax(0.0, v.width() - scrollBarThickness), scrollBarThickness);

    f.hint = QRectF(p[6].left(), p[6].top() + 165, qMax(0.0, p[6].width() - 60), 255);
    f.hintShadow = f.hint.translated(15, 15);

    f.maximiseButtonShown = !smallScreen;
    const int buttons = smallScreen ? 2 : 3;
    f.closeButtonLeft = captionButtonWidth * (buttons - 1);
    f.captionGroup = QRectF(p[2].left() - captionButtonWidth * buttons, captionGroupTop,
                            captionButtonWidth * buttons, captionButtonHeight);
    return f;
}

} // namespace brevmark
