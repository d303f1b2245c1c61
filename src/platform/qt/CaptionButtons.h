#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <array>

class QLabel;

namespace brevmark {

class PictureControl;

// The caption-button group `關離功能` of a self-drawn window: the minimise and maximise buttons
// `視窗按鈕` 0 and 1 and the close button `關閉功能` on a face of two buttons (`縮關圖`) or three
// (`縮放關圖`). A button shows its hover picture while the pointer is over it and its pressed
// picture while the left button is down on it; a left click released over it is announced.
class CaptionButtons : public QWidget {
    Q_OBJECT
public:
    enum class Button { Minimise = 0, Maximise = 1, Close = 2 };

    // `buttonPixels` is the size of one button; `hints` the hint of each, by Button.
    CaptionButtons(QSize buttonPixels, std::array<QString, 3> hints, QWidget* parent);

    // The two-button face (no maximise button) or the three-button one, the close button at
    // `closeLeft` pixels.
    void arrange(bool maximiseShown, int closeLeft);
    // Takes the hover pictures away (the pointer moved over the window elsewhere).
    void clearHover();
    PictureControl* button(Button which) const { return buttons_[std::size_t(which)]; }

signals:
    void minimiseClicked();
    void maximiseClicked();
    void closeClicked();
    void hintRequested(const QString& text);

private:
    void announceClick(Button which);
    void showHover(int which);

    QSize buttonPixels_;
    QLabel* shortFace_;
    QLabel* longFace_;
    std::array<PictureControl*, 3> buttons_{};
    std::array<QImage, 3> hoverPictures_; // drawn once: the buttons keep their size
    int hovered_ = -1; // the button showing its hover or pressed picture, -1 for none
};

} // namespace brevmark
