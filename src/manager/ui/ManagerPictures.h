#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace brevmark {

// The pictures of the record manager window, drawn by the program at screen resolution in the
// colours of the settings window: the window background with its title band, the panel cards,
// the close button, the show-barcode image and the style of its controls.
class ManagerPictures {
public:
    static constexpr int bandHeight = 52;

    static QImage windowBackground(QSize pixels, const QString& title);
    // A card behind a group of controls, with an optional title at its top-left.
    static QImage card(QSize pixels, const QString& title = QString());
    static QImage closeButton(bool hover, QSize pixels);
    // `顯示條碼`: a small barcode on a pill, lit while the pointer is over it.
    static QImage showBarcode(bool hover, QSize pixels);
    // The style sheet of the window's text boxes, lists, buttons and options.
    static QString styleSheet();
};

} // namespace brevmark
