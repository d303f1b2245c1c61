#pragma once

#include <QImage>
#include <QSize>

namespace brevmark {

// The pictures of the lock screen, drawn by the program at screen resolution (one pixel per
// 15 twips) in the look of the main window's frame.
class LockScreenPictures {
public:
    // The background `密碼窗大小`: the title band with the program's name over a light card.
    // `bandHeight` is the title band's height in pixels.
    static QImage background(QSize pixels, int bandHeight);
    // The padlock `解鎖`.
    static QImage padlock(QSize pixels);
};

} // namespace brevmark
