#include "page/ui/PicturePanel.h"

#include "page/ui/SkinButton.h"
#include "platform/LocalFileSystem.h"
#include "platform/QtPictureLoader.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDataFolder.h"

#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace brevmark {
namespace {

class PicturePanelTest : public ::testing::Test {
protected:
    test::TempDataFolder data;
    LocalFileSystem files;
    QtPictureLoader loader;
    test::ScriptedMessageBoxes boxes;
    PictureFolder folder{files, loader, data.location()};
    QWidget window;
    std::unique_ptr<PicturePanel> panel;

    void SetUp() override {
        window.resize(1200, 800);
        QImage image(100, 50, QImage::Format_RGB32);
        image.fill(Qt::blue);
        ASSERT_TRUE(image.save(data.location().pictureFile("logo.jpg"), "JPEG"));
        QFile broken(data.location().pictureFile("broken.bmp"));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write("BM");
        broken.close();
        folder.fill();
        panel = std::make_unique<PicturePanel>(folder, boxes, &window);
        panel->open(QPoint(10, 10));
    }
    QPoint centreOf(const QString& name) {
        const int row = folder.indexOf(name);
        return panel->list()->visualItemRect(panel->list()->item(row)).center();
    }
};

TEST_F(PicturePanelTest, ControlsCarryTheirNames) {
    EXPECT_EQ(panel->objectName(), "圖片讀取窗");
    EXPECT_EQ(panel->list()->objectName(), "檔案清單");
    EXPECT_EQ(panel->takeButton()->objectName(), "確定此圖");
    EXPECT_EQ(panel->deleteButton()->objectName(), "刪除此圖");
    EXPECT_EQ(panel->list()->count(), 2);
    EXPECT_FALSE(panel->takeButton()->isVisibleTo(panel.get()));
    // 4928 twips are 328.53 pixels: the nearest whole pixel is 329
    EXPECT_EQ(panel->size(), QSize(329, 161));
}

TEST_F(PicturePanelTest, ClickPreviewsAndDoubleClickTakes) {
    QTest::mouseClick(panel->list()->viewport(), Qt::LeftButton, {}, centreOf("logo.jpg"));
    EXPECT_TRUE(panel->takeButton()->isVisibleTo(panel.get()));
    EXPECT_TRUE(panel->isVisibleTo(&window));
    std::optional<PictureFolder::TakenPicture> taken;
    panel->setTakeHandler([&](const PictureFolder::TakenPicture& t) { taken = t; });
    QTest::mouseDClick(panel->list()->viewport(), Qt::LeftButton, {}, centreOf("logo.jpg"));
    ASSERT_TRUE(taken.has_value());
    EXPECT_EQ(taken->fileName, "logo.jpg");
    EXPECT_EQ(taken->sizeTwips, QSizeF(1500, 750));
    EXPECT_FALSE(panel->isVisibleTo(&window)) << "the panel closes";
}

TEST_F(PicturePanelTest, DamagedEntryDisappearsFromTheList) {
    QTest::mouseClick(panel->list()->viewport(), Qt::LeftButton, {}, centreOf("broken.bmp"));
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(panel->list()->count(), 1);
    EXPECT_EQ(panel->list()->item(0)->text(), "logo.jpg");
    EXPECT_FALSE(panel->takeButton()->isVisibleTo(panel.get()));
}

TEST_F(PicturePanelTest, DeleteAsksFirstAndNoKeepsThePicture) {
    QTest::mouseClick(panel->list()->viewport(), Qt::LeftButton, {}, centreOf("logo.jpg"));
    boxes.answers.enqueue(MessageAnswer::No);
    QTest::mouseClick(panel->deleteButton(), Qt::LeftButton);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].title, "刪除圖片");
    EXPECT_EQ(boxes.shown[0].text, "確定刪除【logo.jpg】圖片檔案");
    EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(QFile::exists(data.location().pictureFile("logo.jpg")));
    EXPECT_EQ(panel->list()->count(), 2);
    EXPECT_TRUE(panel->takeButton()->isVisibleTo(panel.get()));

    QTest::mouseClick(panel->deleteButton(), Qt::LeftButton);
    EXPECT_EQ(boxes.shown.size(), 2);
    EXPECT_FALSE(QFile::exists(data.location().pictureFile("logo.jpg")));
    EXPECT_EQ(panel->list()->count(), 1);
}

TEST_F(PicturePanelTest, HintFollowsTheList) {
    QString hint;
    panel->setHintSink([&](const QString& text) { hint = text; });
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(panel->list()->viewport(), &move);
    EXPECT_EQ(hint, "說明：【Ａ 點選名稱 預覽 圖形】【Ｂ 點擊二下直接取用】");
}

} // namespace
} // namespace brevmark
