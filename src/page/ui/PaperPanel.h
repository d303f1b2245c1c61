#pragma once

#include "page/PaperTable.h"

#include <QWidget>

namespace brevmark {

class PaperPicture;
class SkinButton;

// The paper panel `紙張設定窗`: paper size options `紙張大小` 0 to 2 ("A4", "A5", "B5"),
// orientation options `列印方向` 0 "直印" and 1 "橫印", and the paper size picture. The dynamic
// property "entered" is 0 when the panel opens and 1 once the pointer has moved over it.
class PaperPanel : public QWidget {
    Q_OBJECT
public:
    explicit PaperPanel(QWidget* parent);

    SkinButton* sizeOption(int index) const { return sizes_[index]; }
    SkinButton* orientationOption(int index) const { return orientations_[index]; }
    PaperPicture* picture() const { return picture_; }
    void showState(PaperSize paper, bool landscape);
    // Shows the panel in front with its entered flag cleared.
    void open(QPoint topLeftPixels);

signals:
    void paperChosen(PaperSize paper);
    void orientationChosen(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SkinButton* sizes_[PaperTable::count];
    SkinButton* orientations_[2];
    PaperPicture* picture_;
};

} // namespace brevmark
