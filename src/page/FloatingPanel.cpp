#include "page/FloatingPanel.h"

#include <algorithm>

namespace brevmark {

namespace {
using P = FloatingPanel;
// clang-format off
const QList<FloatingPanelInfo> table{
    {.id = P::PrintQuantity, .objectName = "列印數量窗",                                    .closedWithOthers = true},
    {.id = P::Layouts,       .objectName = "開啟記錄窗",                                    .closedWithOthers = true, .enteredFlag = true},
    {.id = P::SaveFormat,    .objectName = "條碼儲存窗", .closeButton = 5, .stackOrder = 0, .closedWithOthers = true},
    {.id = P::RecordLoad,    .objectName = "條碼載入窗", .closeButton = 0,                  .closedWithOthers = true},
    {.id = P::BarcodeEdit,   .objectName = "條碼輸入區", .closeButton = 1, .stackOrder = 1, .closedWithOthers = true},
    {.id = P::TextLabel,     .objectName = "標籤修改區", .closeButton = 2, .stackOrder = 2, .closedWithOthers = true},
    {.id = P::FormatRecord,  .objectName = "條碼讀取窗", .closeButton = 4, .stackOrder = 4, .closedWithOthers = true},
    {.id = P::Arrangement,   .objectName = "自動排列窗",                                    .closedWithOthers = true, .enteredFlag = true},
    {.id = P::Paper,         .objectName = "紙張設定窗",                                    .closedWithOthers = true, .enteredFlag = true},
    {.id = P::Pictures,      .objectName = "圖片讀取窗", .closeButton = 6, .stackOrder = 3, .closedWithOthers = true},
    {.id = P::Palette,       .objectName = "色彩選項",                                      .closedWithOthers = true},
    {.id = P::AddBarcode,    .objectName = "增加條碼窗"},
    {.id = P::ItemMenu,      .objectName = "功能選項"},
};
// clang-format on

QList<FloatingPanel> idsWhere(bool (*keep)(const FloatingPanelInfo&)) {
    QList<FloatingPanel> ids;
    for (const FloatingPanelInfo& row : table)
        if (keep(row))
            ids.append(row.id);
    return ids;
}
} // namespace

const QList<FloatingPanelInfo>& FloatingPanelTable::rows() {
    return table;
}

const FloatingPanelInfo& FloatingPanelTable::of(FloatingPanel id) {
    const auto row = std::find_if(table.begin(), table.end(),
                                  [id](const FloatingPanelInfo& r) { return r.id == id; });
    Q_ASSERT(row != table.end());
    return *row;
}

QString FloatingPanelTable::objectName(FloatingPanel id) {
    return QString::fromUtf8(of(id).objectName);
}

std::optional<FloatingPanel> FloatingPanelTable::ofCloseButton(int index) {
    for (const FloatingPanelInfo& row : table)
        if (index >= 0 && row.closeButton == index)
            return row.id;
    return std::nullopt;
}

QList<FloatingPanel> FloatingPanelTable::closedWithOthers() {
    return idsWhere([](const FloatingPanelInfo& r) { return r.closedWithOthers; });
}

QList<FloatingPanel> FloatingPanelTable::stackingOrder() {
    QList<FloatingPanelInfo> stacked;
    for (const FloatingPanelInfo& row : table)
        if (row.stackOrder >= 0)
            stacked.append(row);
    std::sort(stacked.begin(), stacked.end(),
              [](const FloatingPanelInfo& a, const FloatingPanelInfo& b) {
                  return a.stackOrder < b.stackOrder;
              });
    QList<FloatingPanel> ids;
    for (const FloatingPanelInfo& row : stacked)
        ids.append(row.id);
    return ids;
}

QList<FloatingPanel> FloatingPanelTable::withEnteredFlag() {
    return idsWhere([](const FloatingPanelInfo& r) { return r.enteredFlag; });
}

} // namespace brevmark
