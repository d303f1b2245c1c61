#pragma once

#include <QImage>
#include <QString>

namespace brevmark {

// The picture of one prompt notice (1 added, 2 deleted, 3 recorded, 4 changed): a small barcode,
// the notice's sign and its four large characters on a light card, 272 x 72 pixels, rendered at
// twice that resolution so that it stays sharp on high-density screens.
class NoticePicture {
public:
    static constexpr int widthPixels = 272;
    static constexpr int heightPixels = 72;

    // Null image for numbers outside 1 to 4.
    static QImage render(int notice);
    // The four characters of a notice ("完成新增" ...), empty outside 1 to 4.
    static QString caption(int notice);
};

} // namespace brevmark
