// The table of the main window's floating panels.
#include "page/FloatingPanel.h"

#include "support/RowNames.h"
#include <QSet>

#include <gtest/gtest.h>

namespace brevmark {
namespace {
using test::rowName;

struct PanelRow {
    const char* name;
    FloatingPanel id;
    const char* objectName;
    int closeButton;
};

class PanelTableRow : public ::testing::TestWithParam<PanelRow> {};

TEST_P(PanelTableRow, NameAndCloseButtonAreThoseTheProgramUses) {
    const PanelRow& row = GetParam();
    EXPECT_EQ(FloatingPanelTable::objectName(row.id), QString::fromUtf8(row.objectName));
    EXPECT_EQ(FloatingPanelTable::of(row.id).closeButton, row.closeButton);
    if (row.closeButton >= 0)
        EXPECT_EQ(FloatingPanelTable::ofCloseButton(row.closeButton), row.id);
}

INSTANTIATE_TEST_SUITE_P(
    Panels, PanelTableRow,
    ::testing::Values(PanelRow{"RecordLoad", FloatingPanel::RecordLoad, "條碼載入窗", 0},
                      PanelRow{"BarcodeEdit", FloatingPanel::BarcodeEdit, "條碼輸入區", 1},
                      PanelRow{"TextLabel", FloatingPanel::TextLabel, "標籤修改區", 2},
                      PanelRow{"FormatRecord", FloatingPanel::FormatRecord, "條碼讀取窗", 4},
                      PanelRow{"SaveFormat", FloatingPanel::SaveFormat, "條碼儲存窗", 5},
                      PanelRow{"Pictures", FloatingPanel::Pictures, "圖片讀取窗", 6},
                      PanelRow{"PrintQuantity", FloatingPanel::PrintQuantity, "列印數量窗", -1},
                      PanelRow{"Layouts", FloatingPanel::Layouts, "開啟記錄窗", -1},
                      PanelRow{"Arrangement", FloatingPanel::Arrangement, "自動排列窗", -1},
                      PanelRow{"Paper", FloatingPanel::Paper, "紙張設定窗", -1},
                      PanelRow{"Palette", FloatingPanel::Palette, "色彩選項", -1},
                      PanelRow{"AddBarcode", FloatingPanel::AddBarcode, "增加條碼窗", -1},
                      PanelRow{"ItemMenu", FloatingPanel::ItemMenu, "功能選項", -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PanelTable, EveryPanelHasOneRowAndItsOwnName) {
    QSet<QString> names;
    QSet<int> ids;
    for (const FloatingPanelInfo& row : FloatingPanelTable::rows()) {
        names.insert(QString::fromUtf8(row.objectName));
        ids.insert(int(row.id));
    }
    EXPECT_EQ(names.size(), FloatingPanelTable::rows().size());
    EXPECT_EQ(ids.size(), FloatingPanelTable::rows().size());
    EXPECT_EQ(ids.size(), int(FloatingPanel::ItemMenu) + 1);
}

TEST(PanelTable, CloseButtonsWithoutAPanelCloseNothing) {
    for (int index : {-1, 3, 7, 99})
        EXPECT_FALSE(FloatingPanelTable::ofCloseButton(index).has_value()) << index;
}

TEST(PanelTable, ClosePanelsHidesTheElevenPanelsInOrder) {
    using P = FloatingPanel;
    EXPECT_EQ(FloatingPanelTable::closedWithOthers(),
              (QList<P>{P::PrintQuantity, P::Layouts, P::SaveFormat, P::RecordLoad, P::BarcodeEdit,
                        P::TextLabel, P::FormatRecord, P::Arrangement, P::Paper, P::Pictures,
                        P::Palette}));
}

TEST(PanelTable, SimpleLayoutStacksFivePanelsTopFirst) {
    using P = FloatingPanel;
    EXPECT_EQ(
        FloatingPanelTable::stackingOrder(),
        (QList<P>{P::SaveFormat, P::BarcodeEdit, P::TextLabel, P::Pictures, P::FormatRecord}));
}

TEST(PanelTable, ThreePanelsCarryTheEnteredFlag) {
    using P = FloatingPanel;
    EXPECT_EQ(FloatingPanelTable::withEnteredFlag(),
              (QList<P>{P::Layouts, P::Arrangement, P::Paper}));
}

} // namespace
} // namespace brevmark
