#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace brevmark {

// Every picture of the settings window, drawn by the program at screen resolution (one pixel
// per 15 twips): panel backgrounds, the bar density samples `條碼圖`, the arrow, the two device
// pictures, the animation frames and the buttons.
class SettingsPictures {
public:
    static constexpr int sampleCount = 17;
    static constexpr int animationFrames = 12;

    static QImage windowBackground(QSize pixels);
    static QImage panelBackground(QSize pixels, const QString& title);
    // Sample s (1 to 17): 9 prints clean bars, lower numbers swell them as lines overlap, higher
    // numbers open white gaps between the lines.
    static QImage sample(int s, QSize pixels);
    // A status picture: the sample with the level's name beside it.
    static QImage statusPicture(int level, int sample, QSize pixels);
    static QImage arrow(QSize pixels);
    // 0 a desktop page printer, 1 a label printer with its roll.
    static QImage device(int kind, QSize pixels);
    static QImage animationFrame(int frame, QSize pixels);
    static QImage closeButton(bool hover, QSize pixels);
    static QImage okPicture(QSize pixels);
    // The calibration print button `校正列印`: 0 raised, 1 highlighted, 2 pressed.
    static QImage calibrationButton(int face, QSize pixels);
    // The update panel picture `更新底圖` with its three caption areas.
    static QImage updatePicture(QSize pixels);
    // The web panel picture `相關底圖` with its three caption areas.
    static QImage webPicture(QSize pixels);
};

} // namespace brevmark
