// Closing, stacking and finding the floating panels among a parent's children.
#include "page/ui/FloatingPanels.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace brevmark {
namespace {

class FloatingPanelsTest : public ::testing::Test {
protected:
    FloatingPanelsTest() : parent(std::make_unique<QWidget>()), panels(parent.get()) {
        parent->resize(800, 600);
        for (const FloatingPanelInfo& row : FloatingPanelTable::rows()) {
            auto* panel = new QWidget(parent.get());
            panel->setObjectName(QString::fromUtf8(row.objectName));
            panel->resize(200, 30);
            panel->show();
            made[row.id] = panel;
        }
        parent->show();
    }

    std::unique_ptr<QWidget> parent;
    FloatingPanels panels;
    std::map<FloatingPanel, QWidget*> made;
};

TEST_F(FloatingPanelsTest, FindsEachPanelByItsObjectName) {
    for (const auto& [id, panel] : made)
        EXPECT_EQ(panels.find(id), panel) << panel->objectName().toStdString();
}

TEST_F(FloatingPanelsTest, PanelNotYetMadeIsNotFoundAndHidingItIsHarmless) {
    made[FloatingPanel::RecordLoad]->setObjectName(QString()); // as if it had not been made
    EXPECT_EQ(panels.find(FloatingPanel::RecordLoad), nullptr);
    panels.hide(FloatingPanel::RecordLoad);
    panels.closeAll();
}

TEST_F(FloatingPanelsTest, ClosingAllLeavesTheAddPanelAndTheMenu) {
    panels.closeAll();
    for (const auto& [id, panel] : made) {
        const bool keeps = id == FloatingPanel::AddBarcode || id == FloatingPanel::ItemMenu;
        EXPECT_EQ(panel->isVisible(), keeps) << panel->objectName().toStdString();
    }
}

TEST_F(FloatingPanelsTest, OnlyEnteredPanelsHideOnAPointerMoveOverThePage) {
    made[FloatingPanel::Paper]->setProperty("entered", 1);
    made[FloatingPanel::Arrangement]->setProperty("entered", 0);
    made[FloatingPanel::Palette]->setProperty("entered", 1); // carries no entered flag
    panels.hideEntered();
    EXPECT_FALSE(made[FloatingPanel::Paper]->isVisible());
    EXPECT_TRUE(made[FloatingPanel::Arrangement]->isVisible());
    EXPECT_TRUE(made[FloatingPanel::Palette]->isVisible());
}

TEST_F(FloatingPanelsTest, StackPutsShownPanelsBelowEachOtherThenTheQuantityPanel) {
    panels.closeAll();
    made[FloatingPanel::BarcodeEdit]->show();
    made[FloatingPanel::Pictures]->show();
    made[FloatingPanel::Pictures]->resize(200, 50);
    panels.stack(1500); // 100 pixels
    EXPECT_EQ(made[FloatingPanel::BarcodeEdit]->pos(), QPoint(17, 100));
    EXPECT_EQ(made[FloatingPanel::Pictures]->pos(), QPoint(17, 138)); // 30 px + 120 twips
    EXPECT_EQ(made[FloatingPanel::PrintQuantity]->pos(), QPoint(17, 196));
    EXPECT_TRUE(made[FloatingPanel::PrintQuantity]->isVisible());
    EXPECT_FALSE(made[FloatingPanel::TextLabel]->isVisible());
}

} // namespace
} // namespace brevmark
