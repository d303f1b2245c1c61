#pragma once

#include <QImage>
#include <QSize>

namespace brevmark {

// The pictures of the self-drawn windows' frames and buttons (the main window, the bulk import
// window), drawn by the program itself at screen resolution (one pixel per 15 twips).
class FramePictures {
public:
    enum class Face { Normal, Hover, Pressed };
    enum class CaptionButton { Minimise = 0, Maximise = 1, Close = 2 };

    // Frame piece 0 to 8 at the given pixel size (stretched pieces are drawn at their final size).
    static QImage piece(int index, QSize pixels);
    // The face of the caption-button group: minimise and close, or all three.
    static QImage captionFace(bool withMaximise, QSize pixels);
    // Hover (視窗鈕亮) and pressed (視窗鈕凹) pictures of one caption button.
    static QImage captionButton(CaptionButton button, Face face, QSize pixels);
    // Toolbar button 0 to 5 in its normal look (painted on the strip) or its hover look; 6 is the
    // clear button `空白預設按鈕` in the same look; 7 and 8 are the bulk import window's
    // spreadsheet import `記憶匯入` and save `儲存多筆資料`.
    static QImage toolbarButton(int index, Face face, QSize pixels);
    // Layout toggle pictures 版本圖形 0 to 3: 0 hover towards the professional layout, 1 hover
    // towards the simple one, 2 normal in the professional layout, 3 normal in the simple one.
    static QImage layoutToggle(int index, QSize pixels);
    // The resize grip dots drawn into the bottom-right corner of the professional layout.
    static QImage resizeGrip(QSize pixels);
};

} // namespace brevmark
