// The program on a 2x screen (QT_SCALE_FACTOR=2, as on a 3840 x 2160 desktop, or a 1920 x 1080
// one whose logical size is 960 x 540): the page items are drawn at the screen's pixel ratio, not
// enlarged from 1x, and every window fits the screen, wherever it was remembered.

#include "ShellDoubles.h"

#include "page/ui/BarcodeItemWidget.h"
#include "page/ui/PageEditor.h"
#include "platform/Timer.h"
#include "platform/qt/ScreenFit.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

using namespace brevmark;
using namespace brevmark::test;

namespace {

class OnATwoTimesScreen : public ::testing::Test, protected ShellFixture {
protected:
    void SetUp() override {
        if (qApp->devicePixelRatio() < 2)
            GTEST_SKIP() << "the screen is not at 2x (QT_SCALE_FACTOR=2 is set by CTest)";
        // As the program does at start.
        qApp->installEventFilter(&fit);
    }
    void TearDown() override { qApp->removeEventFilter(&fit); }

    MainWindow& open(const QString& settings) {
        writeSettings(settings);
        MainWindow& w = make();
        EXPECT_TRUE(w.start());
        w.findChild<Timer*>(QStringLiteral("排列視窗位置"))->fire();
        w.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        return w;
    }
    static QRect screenArea(const QWidget& w) {
        const QScreen* screen = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
        return screen->availableGeometry();
    }

    ScreenFit fit;
};

const QString professional = QStringLiteral("\"主視窗大小\",\"1 0 0 0 12090 7470\"\r\n");

TEST_F(OnATwoTimesScreen, TheSymbolAndItsTextAreDrawnWithTheScreensOwnPixels) {
    MainWindow& w = open(professional);
    QWidget* page = find(w, QStringLiteral("列印範圍"));
    ASSERT_NE(page, nullptr);
    QTest::mouseClick(page, Qt::RightButton, {}, QPoint(40, 30));
    QTest::mouseClick(find(w, QStringLiteral("增加條碼鈕"), 0), Qt::LeftButton, {}, QPoint(4, 4));
    const int index = w.pageEditor().model().currentItem;
    auto* item = qobject_cast<BarcodeItemWidget*>(find(w, QStringLiteral("條碼項目"), index));
    ASSERT_NE(item, nullptr);
    QTest::mouseDClick(item, Qt::LeftButton, {}, QPoint(6, 6));
    auto* entry = qobject_cast<QLineEdit*>(find(w, QStringLiteral("條碼輸入")));
    ASSERT_NE(entry, nullptr);
    QTest::keyClicks(entry, QStringLiteral("HIDPI-8"));

    // A screenshot of the item as the screen shows it.
    const QImage shot = item->grab().toImage().convertToFormat(QImage::Format_Grayscale8);
    ASSERT_EQ(shot.size(), item->size() * 2) << "two device pixels a screen pixel";
    // Enlarged from 1x, every 2 x 2 block of device pixels would be one colour; drawn at 2x, the
    // text's edges and strokes fall inside blocks.
    // The item's screen outline (a light dashed frame) stays out of the count.
    int splitBlocks = 0;
    int inkedBlocks = 0;
    for (int y = 4; y + 5 < shot.height(); y += 2) {
        for (int x = 4; x + 5 < shot.width(); x += 2) {
            const int a = qGray(shot.pixel(x, y)), b = qGray(shot.pixel(x + 1, y));
            const int c = qGray(shot.pixel(x, y + 1)), d = qGray(shot.pixel(x + 1, y + 1));
            const int low = std::min({a, b, c, d}), high = std::max({a, b, c, d});
            if (low >= 128)
                continue;
            ++inkedBlocks;
            splitBlocks += high - low > 64;
        }
    }
    EXPECT_GT(inkedBlocks, 100) << "the symbol is drawn";
    EXPECT_GT(splitBlocks, inkedBlocks / 20) << "sharp at 2x, not pixel-doubled";
}

TEST_F(OnATwoTimesScreen, AWindowRememberedOffTheScreenOpensOnIt) {
    // Stored on a larger screen: the professional window 60000 twips right and down.
    MainWindow& w = open(QStringLiteral("\"主視窗大小\",\"1 0 60000 60000 12090 7470\"\r\n"));
    const QRect area = screenArea(w);
    EXPECT_TRUE(area.contains(w.frameGeometry()))
        << "window " << w.frameGeometry().x() << "," << w.frameGeometry().y() << " "
        << w.frameGeometry().width() << "x" << w.frameGeometry().height() << " on a screen of "
        << area.width() << "x" << area.height();
}

TEST_F(OnATwoTimesScreen, TheRecordManagerFitsTheScreen) {
    MainWindow& w = open(professional);
    // The toolbar's record button shows while the pointer is in its band.
    QTest::mouseMove(&w, QPoint(4800 / 15, 240 / 15));
    QWidget* button = find(w, QStringLiteral("條碼管理"));
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, 4));
    QWidget* manager = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QStringLiteral("條碼管理窗") && top->isVisible())
            manager = top;
    ASSERT_NE(manager, nullptr) << "the record manager opened";
    const QRect area = screenArea(*manager);
    EXPECT_TRUE(area.contains(manager->frameGeometry()))
        << "record manager " << manager->frameGeometry().width() << "x"
        << manager->frameGeometry().height() << " on a screen of " << area.width() << "x"
        << area.height();
    manager->close();
}

} // namespace
