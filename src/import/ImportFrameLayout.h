#pragma once

#include <QRectF>
#include <QSizeF>
#include <array>

namespace brevmark {

// `視窗底圖排列` (frame layout) of the bulk import window: the eight frame pieces `視窗底圖`
// 0 to 7 (top-left, top, top-right, left, right, bottom-left, bottom, bottom-right; corners at
// the window's corners, edges stretched between them), the grid viewport `新增載入窗` inside
// them, its scroll bars, the hint line and the caption-button group `關離功能`. Twips of the
// window's client area.
struct ImportFrameLayout {
    static constexpr int pieceCount = 8;
    static constexpr double scrollBarThickness = 210;
    static constexpr double captionButtonWidth = 390;
    static constexpr double captionButtonHeight = 360;
    static constexpr double captionGroupTop = 60;
    // The size the window can be resized down to.
    static constexpr double minimumWidth = 12000;
    static constexpr double minimumHeight = 7200;
    // Natural sizes of the pieces 0 to 7 (the size of their pictures).
    static const std::array<QSizeF, pieceCount>& pieceSizes();

    std::array<QRectF, pieceCount> pieces;
    QRectF viewport;
    QRectF verticalBar;
    QRectF horizontalBar;
    QRectF hint;
    QRectF hintShadow;
    QRectF captionGroup;
    double closeButtonLeft = 0; // inside the group
    bool maximiseButtonShown = true;

    // smallScreen: the window opened maximised for good, so the group has no maximise button
    // and the close button takes its place.
    static ImportFrameLayout compute(QSizeF window, bool smallScreen);
};

} // namespace brevmark
