#pragma once

#include <QString>

namespace brevmark {

// What each button of the professional layout's toolbar opens or does.
enum class ToolbarCommand {
    Records,     // `條碼管理`: the record manager
    Layouts,     // `排版按鈕`: the layout panel
    Paper,       // `紙張設定`: the paper panel
    Arrangement, // `條碼排列鈕`: the arrangement panel
    Print,       // `確定列印_V`: the page print command
    Settings,    // `系統按鈕`: the settings window
};

// The professional layout's toolbar: six buttons whose hover pictures show while the pointer is
// inside their band on the window background.
struct ToolbarButton {
    ToolbarCommand command;
    QString name;
    double left; // band, open interval
    double right;
    QString hint;
};

class ToolbarBands {
public:
    static const ToolbarButton (&buttons())[6];
    static const ToolbarButton& button(ToolbarCommand command);
    // Index of the button whose band holds the point, or -1 (bands are open intervals, 90 < y <
    // 400).
    static int at(double x, double y);
};

} // namespace brevmark
