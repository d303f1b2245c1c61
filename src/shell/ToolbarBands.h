#pragma once

#include <QString>

namespace brevmark {

// The professional layout's toolbar: six buttons whose hover pictures show while the pointer is
// inside their band on the window background.
struct ToolbarButton {
    QString name;
    double left;  // band, open interval
    double right;
    QString hint;
};

class ToolbarBands {
public:
    static const ToolbarButton (&buttons())[6];
    // Index of the button whose band holds the point, or -1 (bands are open intervals, 90 < y < 400).
    static int at(double x, double y);
};

} // namespace brevmark
