#include "settings/SettingsWindow.h"
#include "platform/LocalFileSystem.h"
#include "platform/SystemServices.h"
#include "platform/Timer.h"
#include "print/ResolutionLevels.h"
#include "records/SettingsStore.h"
#include "settings/ArrowAnimation.h"
#include "settings/ResolutionPanel.h"
#include "settings/SettingsChoices.h"
#include "support/FakeSystemServices.h"
#include "support/RecordingSurface.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDataFolder.h"

#include "support/RowNames.h"
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace brevmark::test {
namespace {

class SettingsWindowTest : public ::testing::Test {
protected:
    SettingsWindow* open() {
        window = new SettingsWindow(
            SettingsWindow::Context{store, boxes, system, printing, updateCheck, printers});
        return window;
    }
    ~SettingsWindowTest() override { delete window.data(); }

    template <class T> T* control(const char* name, int index = -1) const {
        for (T* c : window->findChildren<T*>(QString::fromUtf8(name)))
            if (index < 0 || c->property("index").toInt() == index)
                return c;
        return nullptr;
    }
    // Every value written for a key, in order.
    QStringList written(const QString& key) const {
        QStringList values;
        store.forEach(key, [&](const QString& v) { values << v; });
        return values;
    }
    void chooseAdvanced(const QString& name) {
        auto* list = control<QComboBox>("進階解析");
        list->setCurrentText(name);
        emit list->textActivated(name);
    }

    TempDataFolder folder;
    LocalFileSystem files;
    ScriptedMessageBoxes boxes;
    PrinterFactory printers = []() -> std::unique_ptr<Printer> { return nullptr; };
    SettingsStore store{files, folder.location().recordsFolder()};
    FakeSystemServices system{browserSystem()};
    PrintSettings printing;
    std::uint8_t& printerKind = printing.printerKind;
    Fixed4& resolution = printing.resolution;
    int updateCheck = 0;
    QPointer<SettingsWindow> window;
};

TEST_F(SettingsWindowTest, OpensWithItsNamesTitleAndCurrentChoices) {
    printerKind = 1;
    updateCheck = 1;
    open();
    EXPECT_EQ(window->objectName(), QStringLiteral("系統設定"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tavo 條碼管理"));
    EXPECT_TRUE(control<QRadioButton>("印表選擇", 1)->isChecked());
    EXPECT_TRUE(control<QRadioButton>("更新設定", 1)->isChecked());
    EXPECT_TRUE(boxes.shown.isEmpty());
    for (const char* name : {"解析設定", "進階解析"})
        EXPECT_NE(control<QComboBox>(name), nullptr) << name;
    for (const char* name : {"進階列印", "關閉校正", "開啟網頁", "儲存"})
        EXPECT_NE(control<QPushButton>(name), nullptr) << name;
    for (const char* name :
         {"校正列印", "設定箭頭", "解析修說窗", "印表裝置區", "更新功能", "更新底圖", "網站開啟窗",
          "相關底圖", "密碼功能", "密碼", "動畫圖形", "關閉窗", "OK"})
        EXPECT_NE(control<QWidget>(name), nullptr) << name;
    for (int k = 1; k <= 9; ++k)
        EXPECT_NE(control<QWidget>("狀態圖", k), nullptr);
    EXPECT_NE(window->findChild<Timer*>(QStringLiteral("動畫播放")), nullptr);
    // Width: close picture's left + width + 120; height: OK's top + height + 180.
    EXPECT_EQ(window->sizeTwips(), QSizeF(9780, 7020));
}

TEST_F(SettingsWindowTest, LabelPrinterIsStoredAndAppliedAtOnceWithTheNoticeEachTime) {
    open();
    auto* label = control<QRadioButton>("印表選擇", 1);
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(printerKind, 1);
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(written(QStringLiteral("印表裝置")), QStringList{"1"});
    ASSERT_EQ(boxes.shown.size(), 2) << "the notice comes with every choice of the label printer";
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral("說明提示"));
    EXPECT_EQ(boxes.shown[0].text,
              QStringLiteral("選擇【標籤印表機】列印的條碼若無法使用，請進行【校正條碼】"));
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Information);

    QTest::mouseClick(control<QRadioButton>("印表選擇", 0), Qt::LeftButton);
    EXPECT_EQ(printerKind, 0);
    EXPECT_EQ(written(QStringLiteral("印表裝置")).last(), QStringLiteral("0"));
    EXPECT_EQ(boxes.shown.size(), 2);
}

TEST_F(SettingsWindowTest, DevicePictureChoosesThePrinterKindToo) {
    open();
    auto* picture = control<QWidget>("裝置圖亮", 1);
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(printerKind, 1);
    EXPECT_TRUE(control<QRadioButton>("印表選擇", 1)->isChecked());
}

TEST_F(SettingsWindowTest, UpdateOptionTwoOpensTheProductPageAndStoresNothing) {
    open();
    QTest::mouseClick(control<QRadioButton>("更新設定", 2), Qt::LeftButton);
    EXPECT_TRUE(written(QStringLiteral("更新設定")).isEmpty());
    ASSERT_EQ(system.opened.size(), 1);
    QTest::mouseClick(control<QRadioButton>("更新設定", 1), Qt::LeftButton);
    EXPECT_EQ(written(QStringLiteral("更新設定")), QStringList{"1"});
    EXPECT_EQ(boxes.shown.last().title, QStringLiteral("說明提示"));
}

TEST_F(SettingsWindowTest, PressInAnUpdateCaptionAreaChoosesThatOption) {
    open();
    // Twips (400, 600) lie in the caption area of option 0, left of its option button.
    QTest::mousePress(control<QWidget>("更新底圖"), Qt::LeftButton, {}, QPoint(27, 40));
    EXPECT_TRUE(control<QRadioButton>("更新設定", 0)->isChecked());
    EXPECT_EQ(written(QStringLiteral("更新設定")), QStringList{"0"});
}

TEST_F(SettingsWindowTest, WebButtonOpensThePageOfTheChosenOption) {
    open();
    QTest::mouseClick(control<QPushButton>("開啟網頁"), Qt::LeftButton);
    EXPECT_TRUE(system.opened.isEmpty());
    QTest::mouseClick(control<QRadioButton>("網頁選擇", 1), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>("開啟網頁"), Qt::LeftButton);
    ASSERT_EQ(system.opened.size(), 1);
    EXPECT_EQ(system.opened[0], SettingsChoices::webPageFor(1));
}

TEST_F(SettingsWindowTest, AdvancedB80SetsSevenAndShowsA3) {
    open();
    chooseAdvanced(QStringLiteral("B80"));
    EXPECT_EQ(resolution.toText(), QStringLiteral("7"));
    EXPECT_EQ(written(QStringLiteral("列印解析度")), QStringList{"7"});
    EXPECT_EQ(control<QComboBox>("解析設定")->currentText(), QStringLiteral("A3"));
}

TEST_F(SettingsWindowTest, AdvancedB100EmptiesTheStandardListAndReopensInAdvancedMode) {
    open();
    EXPECT_TRUE(control<QComboBox>("進階解析")->isHidden());
    EXPECT_FALSE(control<QPushButton>("進階列印")->isHidden());
    chooseAdvanced(QStringLiteral("B100"));
    EXPECT_EQ(resolution.toText(), QStringLiteral("5"));
    EXPECT_EQ(control<QComboBox>("解析設定")->currentText(), QString());
    EXPECT_TRUE(control<QWidget>("設定箭頭")->isHidden());
    delete window.data();

    open();
    EXPECT_FALSE(control<QComboBox>("進階解析")->isHidden());
    EXPECT_TRUE(control<QPushButton>("進階列印")->isHidden());
    EXPECT_EQ(control<QComboBox>("進階解析")->currentText(), QStringLiteral("B100"));
    EXPECT_EQ(control<QComboBox>("進階解析")->count(), 121);
}

TEST_F(SettingsWindowTest, ChoosingA1AtItsOwnValueWritesNothing) {
    resolution = Fixed4::fromRaw(68000);
    open();
    auto* list = control<QComboBox>("解析設定");
    EXPECT_EQ(list->currentText(), QStringLiteral("A1"));
    emit list->textActivated(QStringLiteral("A1"));
    EXPECT_TRUE(written(QStringLiteral("列印解析度")).isEmpty());
}

TEST_F(SettingsWindowTest, StatusPictureChoosesItsLevelAndTheArrowGlidesThere) {
    open();
    QTest::mouseClick(control<QWidget>("狀態圖", 8), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(resolution.toText(), QStringLiteral("7.5"));
    EXPECT_EQ(control<QComboBox>("解析設定")->currentText(), QStringLiteral("A8"));
    EXPECT_EQ(control<QComboBox>("進階解析")->currentText(), QStringLiteral("B75"));
    ResolutionPanel& panel = window->resolutionPanel();
    Timer& timer = panel.arrowTimer();
    EXPECT_TRUE(timer.isActive());
    for (int i = 0; i < 200 && timer.isActive(); ++i)
        timer.fire();
    EXPECT_FALSE(timer.isActive());
    EXPECT_DOUBLE_EQ(panel.arrowTop(), ResolutionPanel::statusTop(8));
}

TEST_F(SettingsWindowTest, AdvancedPrintSwitchesToTheAdvancedModeWhateverTheAnswer) {
    open();
    boxes.answers.enqueue(MessageAnswer::No);
    QTest::mouseClick(control<QPushButton>("進階列印"), Qt::LeftButton);
    EXPECT_FALSE(control<QComboBox>("進階解析")->isHidden());
    EXPECT_TRUE(control<QPushButton>("進階列印")->isHidden());
}

TEST_F(SettingsWindowTest, CalibrationPrintShowsTheExplanationWhichClosesAgain) {
    open();
    boxes.answers.enqueue(MessageAnswer::No);
    QTest::mouseClick(control<QWidget>("校正列印"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(boxes.shown.size(), 1);
    EXPECT_FALSE(control<QWidget>("解析修說窗")->isHidden());
    QTest::mouseClick(control<QPushButton>("關閉校正"), Qt::LeftButton);
    EXPECT_TRUE(control<QWidget>("解析修說窗")->isHidden());
}

TEST_F(SettingsWindowTest, TheDefaultPrintersDotIsNamedBesideTheRows) {
    // A 203-dpi label printer: its dot is 1440 / 203 twips, nearest the advanced level B79.
    printers = []() -> std::unique_ptr<Printer> {
        auto zebra = std::make_unique<RecordingSurface>();
        zebra->dpi = 203;
        return zebra;
    };
    open();
    auto* dot = control<QLabel>("印表機點距");
    ASSERT_NE(dot, nullptr);
    EXPECT_TRUE(dot->text().contains(QStringLiteral("203 dpi\n一點 = 7.0936 twips，最接近 B79")))
        << dot->text().toStdString();
    // Both lines show whole, right of the panel's title, above the buttons.
    const QFontMetrics metrics(dot->font());
    for (const QString& line : dot->text().split(QLatin1Char('\n')))
        EXPECT_LE(metrics.horizontalAdvance(line), dot->width()) << line.toStdString();
    EXPECT_LE(2 * metrics.height(), dot->height());
    delete window.data();

    printers = []() -> std::unique_ptr<Printer> { return nullptr; };
    open();
    EXPECT_EQ(control<QLabel>("印表機點距")->text(), QStringLiteral("沒有預設印表機"));
}

TEST_F(SettingsWindowTest, ClosePictureUnloadsTheWindow) {
    open();
    window->show();
    QTest::mouseClick(control<QWidget>("關閉窗"), Qt::LeftButton, {}, QPoint(5, 5));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

struct AreaCase {
    double x, y;
    int option; // -1 none
};

class UpdateAreaTest : public ::testing::TestWithParam<AreaCase> {};
TEST_P(UpdateAreaTest, CaptionAreasExcludeTheirBorders) {
    const auto got = SettingsChoices::updateOptionAt({GetParam().x, GetParam().y});
    EXPECT_EQ(got.value_or(-1), GetParam().option);
}
INSTANTIATE_TEST_SUITE_P(
    Areas, UpdateAreaTest,
    ::testing::Values(AreaCase{361, 521, 0}, AreaCase{360, 600, -1}, AreaCase{1119, 739, 0},
                      AreaCase{1120, 600, -1}, AreaCase{2000, 600, 1}, AreaCase{3000, 600, 2},
                      AreaCase{3405, 600, -1}, AreaCase{3000, 740, -1}, AreaCase{1300, 600, -1}),
    [](const auto& info) {
        return rowName(QStringLiteral("at %1 %2").arg(info.param.x).arg(info.param.y));
    });

class WebAreaTest : public ::testing::TestWithParam<AreaCase> {};
TEST_P(WebAreaTest, CaptionAreasExcludeTheirBorders) {
    const auto got = SettingsChoices::webOptionAt({GetParam().x, GetParam().y});
    EXPECT_EQ(got.value_or(-1), GetParam().option);
}
INSTANTIATE_TEST_SUITE_P(Areas, WebAreaTest,
                         ::testing::Values(AreaCase{400, 500, 0}, AreaCase{400, 800, 1},
                                           AreaCase{1334, 1000, 2}, AreaCase{1335, 1000, -1},
                                           AreaCase{400, 700, -1}, AreaCase{400, 480, -1},
                                           AreaCase{360, 500, -1}),
                         [](const auto& info) {
                             return rowName(
                                 QStringLiteral("at %1 %2").arg(info.param.x).arg(info.param.y));
                         });

TEST(ArrowAnimationTest, StepsSixtyTwipsAndLandsExactlyOnTheTarget) {
    ArrowAnimation arrow(1140);
    arrow.setTarget(1140 + 450);
    QList<double> tops;
    while (arrow.step())
        tops.append(arrow.top());
    tops.append(arrow.top());
    EXPECT_EQ(tops, (QList<double>{1200, 1260, 1320, 1380, 1440, 1500, 1560, 1590}));
    arrow.setTarget(1100);
    arrow.step();
    EXPECT_EQ(arrow.top(), 1530);
}

} // namespace
} // namespace brevmark::test
