#pragma once

#include "page/Arrangement.h"

#include <QWidget>

namespace brevmark {

class NumberBox;
class SkinButton;

// The arrangement panel `自動排列窗`: the boxes `左右間距`, `上下間距` (2 digits), `起始左`,
// `起始上` (3 digits), the mode buttons `排列選擇` 0 to 2 and the label alignment button
// `標籤對齊按鈕`. The dynamic property "entered" is 0
// when the panel opens and 1 once the pointer has moved over it. It remembers the last mode
// pressed (none before the first press).
class ArrangementPanel : public QWidget {
    Q_OBJECT
public:
    explicit ArrangementPanel(QWidget* parent);

    NumberBox* box(int index) const { return boxes_[index]; } // in the settings' order
    SkinButton* modeButton(int mode) const { return modes_[mode]; }
    SkinButton* alignmentButton() const { return alignment_; }
    ArrangementSettings settings() const;
    void setSettings(const ArrangementSettings& settings);
    int mode() const { return mode_; }
    void rememberMode(int mode) { mode_ = mode; }
    // Shows the panel in front with its entered flag cleared.
    void open(QPoint topLeftPixels);

signals:
    void modeChosen(int mode);
    // A key was released in one of the four boxes.
    void settingsEdited();
    // The label alignment button was clicked.
    void alignmentRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    NumberBox* boxes_[4];
    SkinButton* modes_[3];
    SkinButton* alignment_;
    int mode_ = -1;
};

} // namespace brevmark
