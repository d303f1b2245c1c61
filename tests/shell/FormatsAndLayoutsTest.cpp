// Barcode formats, page layouts and the page kept between runs in the whole main window, driven
// as a user drives it: mouse and keys on the controls found by name.
#include "ShellDoubles.h"

#include "page/KeptPage.h"
#include "page/ui/BarcodeItemWidget.h"
#include "page/ui/PageEditor.h"
#include "page/ui/PageWidget.h"
#include "page/ui/SkinButton.h"
#include "page/ui/TagEditor.h"
#include "platform/StateLocation.h"
#include "platform/qt/PictureControl.h"
#include "prompt/PromptWindow.h"
#include "records/FormatRecordFile.h"
#include "records/FormatRecordLines.h"

#include "support/PageModelEdits.h"
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

using namespace brevmark;

namespace {

QPoint px(double xTwips, double yTwips) {
    return {int(xTwips / 15), int(yTwips / 15)};
}

class FormatsAndLayouts : public ::testing::Test, protected test::ShellFixture {
protected:
    // Starts the program in the professional layout (the placement stays for later starts).
    MainWindow& open() {
        const bool stored = QFile::exists(folder.recordsFile(QStringLiteral("TOP.reg")));
        return startActive(stored ? QString() : QStringLiteral("1 0 0 0 12090 7470"));
    }
    template <typename T = QWidget> T* find(const char* name, int index = -1) const {
        return test::find<T>(*window, QString::fromUtf8(name), index);
    }
    BarcodeItemWidget* item(int index) const { return find<BarcodeItemWidget>("條碼項目", index); }
    PageModel& model() const { return window->pageEditor().model(); }
    static void moveTo(QWidget* w, QPointF pixels) {
        QMouseEvent move(QEvent::MouseMove, pixels, w->mapToGlobal(pixels), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }
    static void type(QWidget* box, const QString& text) {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(box, &commit);
    }
    void click(const char* name, int index = -1) {
        auto* button = find<SkinButton>(name, index);
        ASSERT_NE(button, nullptr) << name;
        ASSERT_TRUE(button->isVisible()) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void clickEntry(const char* listName, const QString& text) {
        auto* list = find<QListWidget>(listName);
        const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(found[0]).center());
    }

    // Right click on the empty page at a page point (twips), then the add-barcode panel's
    // button.
    void rightClickPage(double x, double y, int button) {
        auto* page = find<PageWidget>("列印範圍");
        QTest::mousePress(page, Qt::RightButton, {}, px(x, y));
        QTest::mouseRelease(page, Qt::RightButton, {}, px(x, y));
        click("增加條碼鈕", button);
    }
    int addItem(double x, double y, const QString& text) {
        rightClickPage(x, y, 0);
        const int index = model().currentItem;
        test::changeItem(model(), index, [&](BarcodeItem& i) { i.symbol.text = text; });
        return index;
    }
    void addLabel(int index, QPointF at, const QString& caption) {
        const std::optional<int> j = window->pageEditor().document().addLabel(index, at);
        ASSERT_TRUE(j);
        test::changeLabel(model(), index, *j, [&](TextLabelItem& l) {
            l.caption = caption;
            l.fitToCaption();
        });
    }
    void menuEntry(int index, int entry) {
        QTest::mousePress(item(index), Qt::RightButton, {}, QPoint(40, 20));
        QTest::mouseRelease(item(index), Qt::RightButton, {}, QPoint(40, 20));
        QWidget* menu = find("功能選項");
        ASSERT_TRUE(menu->isVisible());
        moveTo(menu, QPointF(20, (45 + 390 * entry + 210) / 15.0));
        click("標籤功能", entry);
    }
    // The item's delete button, shown while the pointer is over the item.
    void deleteByButton(int index) {
        moveTo(item(index), QPointF(30, 10));
        click("刪除碼", index);
        QApplication::processEvents();
    }
    QList<int> pageItems() const { return model().pageItems(); }
    void closeByButton() {
        auto* close = find<PictureControl>("關閉功能");
        QTest::mouseClick(close, Qt::LeftButton, {}, QPoint(2, 2));
        ASSERT_EQ(control.endings, 1);
        control.endings = 0;
    }
    QString keptFile() {
        return KeptPage(files, stateFolder(), folder.location().programFolder()).path();
    }
};

} // namespace

TEST_F(FormatsAndLayouts, AFormatSavedFromTheItemMenuIsAddedFromTheAddPanel) {
    open();
    const int original = addItem(600, 600, QStringLiteral("LOOK-7"));
    test::changeItem(model(), original, [&](BarcodeItem& i) { i.width = 4200; });
    test::changeItem(model(), original, [&](BarcodeItem& i) { i.symbol.widthRatio = 2; });
    addLabel(original, {2700, 60}, QStringLiteral("品名"));
    menuEntry(original, 4);
    ASSERT_TRUE(find("條碼儲存窗")->isVisible());
    type(find<QComboBox>("種類選項")->lineEdit(), QStringLiteral("貨架"));
    type(find<QLineEdit>("記錄名稱"), QStringLiteral("樣式七"));
    click("儲存排列");
    EXPECT_FALSE(find("條碼儲存窗")->isVisible());
    ASSERT_TRUE(QFile::exists(folder.recordsFile(FormatRecordFile::fileName())));
    EXPECT_EQ(window->prompt().tag(), QStringLiteral("3"));

    rightClickPage(600, 3000, 2);
    ASSERT_TRUE(find("條碼讀取窗")->isVisible());
    clickEntry("篩選種類", QStringLiteral("貨架"));
    clickEntry("排列清單", QStringLiteral("樣式七"));
    ASSERT_TRUE(item(ItemTable::previewItem) && item(ItemTable::previewItem)->isVisible());
    click("載入排版");

    const QList<int> items = pageItems();
    ASSERT_EQ(items.size(), 2);
    const int copy = items[1];
    const BarcodeItem& made = model().items().at(copy);
    EXPECT_EQ(QPointF(made.left, made.top), QPointF(540, 2940));
    EXPECT_EQ(made.width, 4200);
    EXPECT_EQ(made.symbol.widthRatio, 2);
    EXPECT_EQ(made.symbol.text, QStringLiteral("LOOK-7"));
    ASSERT_NE(model().tags().label(copy, 1), nullptr);
    EXPECT_EQ(model().tags().label(copy, 1)->caption, QStringLiteral("品名"));
    EXPECT_TRUE(item(copy)->isVisible());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(FormatsAndLayouts, TheToolbarOpensTheLayoutPanelAndALayoutComesBack) {
    MainWindow& w = open();
    const int first = addItem(600, 600, QStringLiteral("FIRST"));
    addLabel(first, {2700, 60}, QStringLiteral("一"));
    addItem(600, 2400, QStringLiteral("SECOND"));
    test::changeItem(model(), first, [&](BarcodeItem& i) { i.left = 1260; });

    QTest::mouseMove(&w, px(5800, 240)); // the 排版按鈕 band
    auto* button = w.findChild<PictureControl*>(QStringLiteral("排版按鈕"));
    ASSERT_EQ(button->y(), 0);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 10));
    ASSERT_TRUE(find("開啟記錄窗")->isVisible());
    EXPECT_TRUE(find<QLineEdit>("排版名稱")->hasFocus());
    type(find<QLineEdit>("排版名稱"), QStringLiteral("兩張"));
    click("儲存排版");
    EXPECT_TRUE(QFile::exists(folder.recordsFile(QStringLiteral("兩張.wab"))));
    EXPECT_EQ(w.prompt().tag(), QStringLiteral("1"));

    for (int k : pageItems())
        deleteByButton(k);
    ASSERT_TRUE(pageItems().isEmpty());

    QTest::mouseMove(&w, px(5800, 240));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 10));
    clickEntry("排版清單", QStringLiteral("兩張"));
    click("取用排版");
    const QList<int> back = pageItems();
    ASSERT_EQ(back.size(), 2);
    EXPECT_EQ(QPointF(model().items().at(back[0]).left, model().items().at(back[0]).top),
              QPointF(1260, 540));
    EXPECT_EQ(model().items().at(back[0]).symbol.text, QStringLiteral("FIRST"));
    EXPECT_EQ(model().tags().label(back[0], 1)->caption, QStringLiteral("一"));
    EXPECT_EQ(QPointF(model().items().at(back[1]).left, model().items().at(back[1]).top),
              QPointF(540, 2340));
    EXPECT_FALSE(find("開啟記錄窗")->isVisible());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(FormatsAndLayouts, ThreeItemsWithLabelsComeBackAfterTheCloseButton) {
    QDir().mkpath(folder.location().picturesFolder());
    QImage logo(40, 20, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    ASSERT_TRUE(logo.save(folder.location().pictureFile("logo.bmp"), "BMP"));
    open();
    const int a = addItem(600, 600, QStringLiteral("KEEP-1"));
    addLabel(a, {2700, 60}, QStringLiteral("甲"));
    const std::optional<int> image = window->pageEditor().document().addImage(a, {3000, 300});
    ASSERT_TRUE(image);
    test::changeImage(model(), a, *image,
                      [&](ImageItem& im) { im.file = QStringLiteral("logo.bmp"); });
    const int b = addItem(4800, 600, QStringLiteral("KEEP-2"));
    test::changeItem(model(), b, [&](BarcodeItem& i) { i.backColour = 0xCCEEFF; });
    test::changeItem(model(), b, [&](BarcodeItem& i) { i.border = 1; });
    addLabel(b, {60, 480}, QStringLiteral("乙"));
    test::changeLabel(model(), b, 1, [&](TextLabelItem& l) { l.bold = true; });
    const int c = addItem(600, 3000, QStringLiteral("KEEP-3"));
    test::changeItem(model(), c, [&](BarcodeItem& i) { i.width = 5400; });
    test::changeItem(model(), c, [&](BarcodeItem& i) { i.height = 1200; });
    test::changeItem(model(), c, [&](BarcodeItem& i) { i.symbol.barWidth = 4; });
    addLabel(c, {60, 840}, QStringLiteral("丙一"));
    addLabel(c, {2400, 840}, QStringLiteral("丙二"));
    const Layout before = KeptPage::layoutOf(model());
    closeByButton();

    ASSERT_TRUE(QFile::exists(keptFile()));
    EXPECT_TRUE(keptFile().startsWith(state.dir.path() + QStringLiteral("/Brevmark/")));
    EXPECT_TRUE(QDir(folder.location().recordsFolder())
                    .entryList({QStringLiteral("*.wab")}, QDir::Files)
                    .isEmpty());
    window.reset();

    open();
    ASSERT_EQ(pageItems().size(), 3);
    // The page came back without filling the format memory.
    EXPECT_EQ(window->pageEditor().formatMemory().count(), 0);
    const Layout after = KeptPage::layoutOf(model());
    ASSERT_EQ(after.items.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(after.items[i].position, before.items[i].position) << i;
        EXPECT_EQ(FormatRecordLines::serialise(after.items[i].records).toStdString(),
                  FormatRecordLines::serialise(before.items[i].records).toStdString());
    }
    EXPECT_EQ(model().tags().image(pageItems()[0], 1)->file, QStringLiteral("logo.bmp"));
    EXPECT_TRUE(item(pageItems()[2])->isVisible());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(FormatsAndLayouts, AnEmptyPageAtCloseLeavesNothingToBringBack) {
    open();
    const int only = addItem(600, 600, QStringLiteral("ONE"));
    closeByButton();
    ASSERT_TRUE(QFile::exists(keptFile()));
    window.reset();
    open();
    deleteByButton(only);
    closeByButton();
    EXPECT_FALSE(QFile::exists(keptFile()));
}

TEST_F(FormatsAndLayouts, ADamagedKeptPageStartsAnEmptyPageWithoutAMessage) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(keptFile()).path()));
    QFile damaged(keptFile());
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(test::pythonCp950(QStringLiteral("\"1\",\"600 600\",\"條碼\",\"3600")));
    damaged.close();
    open();
    EXPECT_TRUE(pageItems().isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(FormatsAndLayouts, APageThatCannotBeKeptIsReportedAndTheProgramStillEnds) {
    QFile blocker(stateFolder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder would be
    blocker.close();
    open();
    addItem(600, 600, QStringLiteral("LOST"));
    closeByButton();
    ASSERT_EQ(messages.titles(), QStringList{QStringLiteral("提示")});
    EXPECT_TRUE(messages.shown[0].text.contains(stateFolder()));
}

TEST_F(FormatsAndLayouts, TextsBig5CannotHoldComeBackAsTheyWereWhenThePageIsKept) {
    open();
    const int index = addItem(600, 600, QStringLiteral("EMOJI"));
    addLabel(index, {2700, 60}, QStringLiteral("笑😀类"));
    addItem(600, 2400, QStringLiteral("PLAIN"));
    closeByButton();
    EXPECT_TRUE(messages.shown.isEmpty());
    window.reset();
    open();
    ASSERT_EQ(pageItems().size(), 2);
    EXPECT_EQ(model().tags().label(pageItems()[0], 1)->caption, QStringLiteral("笑😀类"));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(FormatsAndLayouts, APageKeptByAnEarlierVersionInCodePage950ComesBack) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(keptFile()).path()));
    QFile kept(keptFile());
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write(test::pythonCp950(QStringLiteral(
        "\"1\",\"600 600\",\"條碼\",\"3600\",\"900\",\"OLD-1\",\"16777215\",\"1\","
        "\"120 120 480\",\"False False False 0 10\",\"2 0 0 0\",\"\",1\r\n"
        "\"1\",\"600 600\",\"標籤\",\"舊頁\",\"60\",\"60\",\"0\",\"12\",\"新細明體\","
        "\"False False False\",\"\",\"\",1\r\n")));
    kept.close();
    open();
    ASSERT_EQ(pageItems().size(), 1);
    EXPECT_EQ(model().items().at(pageItems()[0]).symbol.text, QStringLiteral("OLD-1"));
    EXPECT_EQ(model().tags().label(pageItems()[0], 1)->caption, QStringLiteral("舊頁"));
}

TEST(StateFolder, FollowsXdgStateHomeOrTheHomeFolder) {
    const QByteArray before = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", "/tmp/brevmark-state-test/");
    EXPECT_EQ(stateFolder(), QStringLiteral("/tmp/brevmark-state-test/Brevmark"));
    qputenv("XDG_STATE_HOME", "relative/path");
    EXPECT_EQ(stateFolder(), QDir::homePath() + QStringLiteral("/.local/state/Brevmark"));
    qunsetenv("XDG_STATE_HOME");
    EXPECT_EQ(stateFolder(), QDir::homePath() + QStringLiteral("/.local/state/Brevmark"));
    qputenv("XDG_STATE_HOME", before);
}

TEST(KeptPageFile, EachProgramFolderKeepsItsOwnPage) {
    LocalFileSystem files;
    const KeptPage one(files, QStringLiteral("/state"), QStringLiteral("/labels/a"));
    const KeptPage two(files, QStringLiteral("/state"), QStringLiteral("/labels/b"));
    EXPECT_NE(one.path(), two.path());
    EXPECT_TRUE(one.path().startsWith(QStringLiteral("/state/page-")));
    EXPECT_TRUE(one.path().endsWith(QStringLiteral(".wab")));
    EXPECT_EQ(one.path(), KeptPage(files, "/state", "/labels/a").path());
}
