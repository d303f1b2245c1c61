#include "shell/ToolbarBands.h"

namespace brevmark {

const ToolbarButton (&ToolbarBands::buttons())[6] {
    static const ToolbarButton list[6] = {
        {ToolbarCommand::Records, QStringLiteral("條碼管理"), 4295, 5285,
         QStringLiteral("條碼資料記錄 功能")},
        {ToolbarCommand::Layouts, QStringLiteral("排版按鈕"), 5295, 6285,
         QStringLiteral("儲存 與 讀取 排版好的條碼格式")},
        {ToolbarCommand::Paper, QStringLiteral("紙張設定"), 6300, 7290,
         QStringLiteral("調整 列印紙張")},
        {ToolbarCommand::Arrangement, QStringLiteral("條碼排列鈕"), 7305, 8295,
         QStringLiteral("自動排列 條碼標籤位置")},
        {ToolbarCommand::Print, QStringLiteral("確定列印_V"), 8310, 9300,
         QStringLiteral("確定列印條碼")},
        {ToolbarCommand::Settings, QStringLiteral("系統按鈕"), 9315, 10305,
         QStringLiteral("系統功能設定")},
    };
    return list;
}

const ToolbarButton& ToolbarBands::button(ToolbarCommand command) {
    return buttons()[int(command)];
}

int ToolbarBands::at(double x, double y) {
    if (!(y > 90 && y < 400))
        return -1;
    const auto& list = buttons();
    for (int i = 0; i < 6; ++i)
        if (x > list[i].left && x < list[i].right)
            return i;
    return -1;
}

} // namespace brevmark
