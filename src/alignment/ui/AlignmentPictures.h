#pragma once

#include <QImage>
#include <QSize>

namespace brevmark {

struct SheetFormat;

// The pictures of the alignment window and the guide handle, drawn by the program at screen
// resolution (one pixel per 15 twips).
class AlignmentPictures {
public:
    // The background `底圖`: a card per sheet format over its area, each with a small picture of
    // the sheet, its label count and its label size, and a plain card under the finder of the
    // template database's sheets (`finder`, pixels).
    static QImage background(QSize pixels, const QRect& finder);
    // The highlight `格數` of one format, of its area's size.
    static QImage highlight(const SheetFormat& format, QSize pixels);
    // The close control of the window.
    static QImage closeButton(bool hover, QSize pixels);
    // The guide handle `修改對齊位置`: a move cross on a small tile.
    static QImage handle(QSize pixels);
};

} // namespace brevmark
