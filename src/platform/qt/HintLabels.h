#pragma once

class QLabel;
class QWidget;

namespace brevmark {

// The hint line at the bottom of the dark framed windows: light text `說明提示` over a dark
// shadow copy `說明提示2`; neither takes the pointer.
struct HintLabels {
    QLabel* shadow = nullptr;
    QLabel* text = nullptr;
};

HintLabels createHintLabels(QWidget* window);

} // namespace brevmark
