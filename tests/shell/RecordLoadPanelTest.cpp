#include "ShellDoubles.h"

#include "manager/ui/RecordManagerWindow.h"
#include "page/ui/BarcodeEditPanel.h"
#include "page/ui/PageEditor.h"
#include "platform/Timer.h"
#include "records/BarcodeRecordFile.h"
#include "shell/RecordsBridge.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

using namespace brevmark;

namespace {

QString line(const QStringList& seven) {
    QStringList fields = seven;
    while (fields.size() < 12)
        fields << QString();
    return QLatin1Char('"') + fields.join(QStringLiteral("\",\"")) + QStringLiteral("\",1\r\n");
}

class RecordLoad : public ::testing::Test, protected test::ShellFixture {
protected:
    MainWindow& open(const QString& settings = QString()) {
        writeSettings(settings);
        MainWindow& w = make();
        EXPECT_TRUE(w.start());
        timer("排列視窗位置")->fire();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        return w;
    }
    void writeRecords(const QString& text) {
        QDir().mkpath(folder.location().recordsFolder());
        folder.writeRecordsFile(BarcodeRecordFile::fileName(), test::pythonCp950(text));
    }
    Timer* timer(const char* name) { return window->findChild<Timer*>(QString::fromUtf8(name)); }
    QLineEdit* barcodeBox() { return window->pageEditor().editPanel()->entry(); }
    QWidget* panel() { return window->findChild<QWidget*>(QStringLiteral("條碼載入窗")); }
    template <typename T> T* inPanel(const char* name, int index) {
        for (T* w : panel()->findChildren<T*>(QString::fromUtf8(name)))
            if (w->property("index").toInt() == index)
                return w;
        return nullptr;
    }
    QStringList barcodes() {
        QStringList b;
        auto* list = inPanel<QListWidget>("篩選項", 0);
        for (int i = 0; i < list->count(); ++i)
            b << list->item(i)->text();
        return b;
    }
    void openPanel() {
        QTest::mouseDClick(barcodeBox(), Qt::LeftButton, {}, QPoint(10, 10));
        ASSERT_NE(panel(), nullptr);
        ASSERT_TRUE(timer("讀條碼檔")->isActive());
        timer("讀條碼檔")->fire();
    }
};

} // namespace

TEST_F(RecordLoad, TheHintAndTheDoubleClickDependOnTheRecordFile) {
    open();
    QTest::mouseDClick(barcodeBox(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(panel(), nullptr);
}

TEST_F(RecordLoad, NarrowingByACategoryThenAPrefixAddsUpAndReloadUndoesBoth) {
    writeRecords(line({"A100", "水果", "蘋果"}) + line({"A200", "水果", "香蕉"}) +
                 line({"B100", "水果", "梨"}) + line({"A300", "蔬菜", "菠菜"}) +
                 line({"a400", "水果", "芒果"}));
    open(QStringLiteral("\"標籤_數量\",\"2\"\r\n"));
    openPanel();
    ASSERT_TRUE(panel()->isVisible());
    EXPECT_EQ(barcodes(), (QStringList{"A100", "A200", "B100", "A300", "a400"}));
    auto* categories = inPanel<QComboBox>("記錄選項", 1);
    ASSERT_NE(categories, nullptr);
    // The choice list shows its caption until a value is chosen.
    EXPECT_EQ(categories->currentIndex(), -1);
    EXPECT_EQ(categories->placeholderText(), QStringLiteral("種類"));
    EXPECT_EQ(categories->count(), 2);
    EXPECT_TRUE(inPanel<QComboBox>("記錄選項", 2)->isVisible());
    EXPECT_FALSE(inPanel<QComboBox>("記錄選項", 3)->isVisible());

    categories->setCurrentIndex(0); // 水果
    emit categories->activated(0);
    EXPECT_EQ(barcodes(), (QStringList{"A100", "A200", "B100", "a400"}));
    timer("終點顯示")->fire();
    EXPECT_EQ(categories->currentText(), QStringLiteral("水果")); // its one entry

    QTest::keyClicks(panel()->findChild<QLineEdit*>("開頭碼"), "A");
    ASSERT_TRUE(timer("稍後執行")->isActive());
    timer("稍後執行")->fire();
    EXPECT_EQ(barcodes(), (QStringList{"A100", "A200"}));
    EXPECT_FALSE(timer("稍後執行")->isActive());

    // A prefix that matches nothing keeps the timer on and the lists empty.
    QTest::keyClicks(panel()->findChild<QLineEdit*>("開頭碼"), "Z");
    timer("稍後執行")->fire();
    EXPECT_TRUE(barcodes().isEmpty());
    EXPECT_TRUE(timer("稍後執行")->isActive());

    QTest::mouseClick(panel()->findChild<QWidget*>("重新讀取"), Qt::LeftButton);
    timer("讀條碼檔")->fire();
    EXPECT_EQ(barcodes().size(), 5);
    EXPECT_TRUE(panel()->findChild<QLineEdit*>("開頭碼")->text().isEmpty());
}

TEST_F(RecordLoad, AFieldCountChosenInTheManagerShowsAtTheNextOpening) {
    writeRecords(line({"A100", "水果", "蘋果", "x", "y"}));
    open(QStringLiteral("\"標籤_數量\",\"2\"\r\n"));
    openPanel();
    EXPECT_FALSE(inPanel<QComboBox>("記錄選項", 3)->isVisible());
    panel()->hide();

    emit window->toolbarActivated(ToolbarCommand::Records);
    RecordManagerWindow* manager = window->records().manager();
    ASSERT_NE(manager, nullptr);
    auto* count = manager->findChild<QComboBox*>(QStringLiteral("項目數量"));
    ASSERT_NE(count, nullptr);
    const int four = count->findText(QStringLiteral("4"));
    ASSERT_GE(four, 0);
    count->setCurrentIndex(four);
    emit count->activated(four);
    manager->close();

    openPanel();
    EXPECT_TRUE(inPanel<QComboBox>("記錄選項", 3)->isVisible());
    EXPECT_TRUE(inPanel<QComboBox>("記錄選項", 4)->isVisible());
    EXPECT_FALSE(inPanel<QComboBox>("記錄選項", 5)->isVisible());
}

TEST_F(RecordLoad, AManagerStillOpenGoesWithTheMainWindow) {
    writeRecords(line({"A", "x"}));
    open();
    emit window->toolbarActivated(ToolbarCommand::Records);
    QPointer<RecordManagerWindow> manager = window->records().manager();
    ASSERT_FALSE(manager.isNull());
    window.reset();
    // Its pending read would otherwise use the program's services after they are gone.
    EXPECT_TRUE(manager.isNull());
}

TEST_F(RecordLoad, PickingABarcodeFillsTheEditedItemAndHidesThePanel) {
    writeRecords(line({"a400", "水果"}) + line({"X-9", "b"}));
    open();
    openPanel();
    auto* list = inPanel<QListWidget>("篩選項", 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(barcodeBox()->text(), QStringLiteral("a400"));
    EXPECT_EQ(window->pageEditor().model().items().at(ItemTable::simpleItem).symbol.text,
              QStringLiteral("A400"));
    EXPECT_FALSE(panel()->isVisible());
}

TEST_F(RecordLoad, TheToolbarOpensTheManagerAsAChildWindow) {
    writeRecords(line({"A", "x"}));
    open(QStringLiteral("\"主視窗大小\",\"1 0 100 100 12090 7470\"\r\n"));
    emit window->toolbarActivated(ToolbarCommand::Records);
    RecordManagerWindow* manager = window->records().manager();
    ASSERT_NE(manager, nullptr);
    EXPECT_TRUE(manager->isVisible());
    EXPECT_FALSE(window->isVisible());
    manager->close();
    EXPECT_TRUE(window->isVisible());
}
