// Text labels, images, the context menu, the format memory through the menu and the add-barcode
// panel, the arrangement panel and the print quantity panel, driven as a user drives them.
#include "EditorWindowFixture.h"
#include "page/ui/AddBarcodePanel.h"
#include "page/ui/ArrangementPanel.h"
#include "page/ui/BarcodeItemWidget.h"
#include "page/ui/ImageItemWidget.h"
#include "page/ui/ItemMenu.h"
#include "page/ui/NumberBox.h"
#include "page/ui/PageEditor.h"
#include "page/ui/PageWidget.h"
#include "page/ui/PicturePanel.h"
#include "page/ui/PrintQuantityPanel.h"
#include "page/ui/SkinButton.h"
#include "page/ui/TagEditor.h"
#include "page/ui/TextLabelPanel.h"
#include "page/ui/TextLabelWidget.h"
#include "platform/LocalFileSystem.h"
#include "platform/QtPictureLoader.h"
#include "support/TempDataFolder.h"

#include "support/PageModelEdits.h"
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>
#include <memory>

using namespace brevmark;
using brevmark::test::px;

namespace {

class TagEditorGuiTest : public test::EditorWindowFixture {
protected:
    test::TempDataFolder data;
    LocalFileSystem files;
    QtPictureLoader loader;
    std::unique_ptr<PictureFolder> folder;

    void SetUp() override {
        QImage image(60, 30, QImage::Format_RGB32);
        image.fill(Qt::red);
        ASSERT_TRUE(image.save(data.location().pictureFile("logo.bmp"), "BMP"));
        folder = std::make_unique<PictureFolder>(files, loader, data.location());
        folder->fill();
        openEditor([this](PageEditor& e) {
            e.setPictureFolder(*folder);
            e.setFonts({QStringLiteral("新細明體"), QStringLiteral("@新細明體"),
                        QStringLiteral("標楷體")});
        });
    }
    template <typename T> T* tag(const char* name, int item, int index) const {
        for (T* w : window->findChildren<T*>(QString::fromUtf8(name)))
            if (w->property("item").toInt() == item && w->property("index").toInt() == index)
                return w;
        return nullptr;
    }
    TextLabelWidget* labelWidget(int item, int j) const {
        return tag<TextLabelWidget>("文字籤", item, j);
    }
    ImageItemWidget* imageWidget(int item, int j) const {
        return tag<ImageItemWidget>("圖形籤", item, j);
    }
    const TagTable& tags() const { return editor->model().tags(); }

    // Right click on an item at a pixel point, then the menu entry.
    void menuEntry(int index, QPoint at, int entry) {
        QTest::mousePress(item(index), Qt::RightButton, {}, at);
        QTest::mouseRelease(item(index), Qt::RightButton, {}, at);
        auto* menu = control<ItemMenu>("功能選項");
        ASSERT_TRUE(menu->isVisible());
        moveTo(menu, QPointF(20, (45 + 390 * entry + 210) / 15.0), Qt::NoButton);
        SkinButton* button = control<SkinButton>("標籤功能", entry);
        ASSERT_EQ(button->x(), 0);
        QTest::mouseClick(button, Qt::LeftButton);
    }
};

TEST_F(TagEditorGuiTest, ContextMenuHoverBandsShowOnePictureAndItsHint) {
    addItemAt(360, 360);
    QTest::mousePress(item(1), Qt::RightButton, {}, QPoint(40, 20));
    QTest::mouseRelease(item(1), Qt::RightButton, {}, QPoint(40, 20));
    auto* menu = control<ItemMenu>("功能選項");
    ASSERT_TRUE(menu->isVisible());
    const QPoint pointer = item(1)->mapTo(window.get(), QPoint(40, 20));
    EXPECT_EQ(menu->pos(), pointer - QPoint(4, 4));

    moveTo(menu, QPointF(20, 30), Qt::NoButton); // y 450: bands 0 and 1 overlap, 1 wins
    EXPECT_EQ(control<SkinButton>("標籤功能", 1)->x(), 0);
    EXPECT_EQ(control<SkinButton>("標籤功能", 0)->x(), menu->width());
    EXPECT_EQ(host.hint, QStringLiteral("增加【圖片】"));
    moveTo(menu, QPointF(20, 66), Qt::NoButton); // y 990: copy the format
    EXPECT_EQ(control<SkinButton>("標籤功能", 2)->x(), 0);
    EXPECT_EQ(host.hint, QStringLiteral("複製 條碼設定 格式：複製後，可增加數個，相同條碼"));
    // Without the format file entry 3 is not shown and leaves no empty row: entry 4 takes the
    // fourth row (y 1425) and the menu ends below it.
    EXPECT_FALSE(control<SkinButton>("標籤功能", 3)->isVisible());
    EXPECT_EQ(menu->height(), (1635 + 45) / 15);
    moveTo(menu, QPointF(20, 95), Qt::NoButton); // y 1425
    EXPECT_EQ(control<SkinButton>("標籤功能", 4)->x(), 0);
    EXPECT_EQ(host.hint, QStringLiteral("儲存 現在編輯的 條碼格式"));
    moveTo(menu, QPointF(20, 120), Qt::NoButton); // y 1800: below the last row
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(control<SkinButton>("標籤功能", i)->x(), menu->width());
    moveTo(menu, QPointF(20, 95), Qt::NoButton);
    QTest::mouseClick(control<SkinButton>("標籤功能", 4), Qt::LeftButton);
    EXPECT_TRUE(control("條碼儲存窗")->isVisible());
    EXPECT_FALSE(menu->isVisible());

    // with the format file, entry 3 opens the format panel at the menu's corner
    host.createFormatFile();
    QTest::mousePress(item(1), Qt::RightButton, {}, QPoint(40, 20));
    QTest::mouseRelease(item(1), Qt::RightButton, {}, QPoint(40, 20));
    EXPECT_EQ(menu->height(), 2070 / 15);
    moveTo(menu, QPointF(20, 95), Qt::NoButton);
    QTest::mouseClick(control<SkinButton>("標籤功能", 3), Qt::LeftButton);
    QWidget* formats = control("條碼讀取窗");
    ASSERT_TRUE(formats->isVisible());
    EXPECT_EQ(formats->pos(), (pointer * 15 - QPoint(60, 60)) / 15);
}

TEST_F(TagEditorGuiTest, LabelAndImageLandAtTheMenuPoint) {
    addItemAt(360, 360);
    menuEntry(1, QPoint(40, 20), 0);
    const TextLabelItem* label = tags().label(1, 1);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(QPointF(label->left, label->top), QPointF(540, 240));
    EXPECT_EQ(label->caption, QStringLiteral("標籤"));
    ASSERT_NE(labelWidget(1, 1), nullptr);
    EXPECT_TRUE(labelWidget(1, 1)->isVisible());
    EXPECT_EQ(labelWidget(1, 1)->pos(), QPoint(36, 16));
    EXPECT_FALSE(control("功能選項")->isVisible());

    menuEntry(1, QPoint(100, 30), 1);
    const ImageItem* image = tags().image(1, 1);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(QPointF(image->left, image->top), QPointF(1440, 390));
    EXPECT_EQ(image->file, QString());
    EXPECT_TRUE(imageWidget(1, 1)->showsPlaceholder());
    EXPECT_EQ(imageWidget(1, 1)->size(), QSize(25, 25));
}

TEST_F(TagEditorGuiTest, LabelPanelEditsTheLabel) {
    addItemAt(360, 360);
    menuEntry(1, QPoint(40, 20), 0);
    TextLabelWidget* w = labelWidget(1, 1);
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(2, 2));
    auto* panel = control<TextLabelPanel>("標籤修改區");
    EXPECT_FALSE(panel->isVisible()); // professional layout: a press only fills it
    EXPECT_EQ(control<QLineEdit>("標籤輸入")->text(), QStringLiteral("標籤"));
    EXPECT_EQ(control<QComboBox>("文字大小")->currentText(), "11");
    EXPECT_EQ(control<QComboBox>("字型")->count(), 2); // no "@" font

    QTest::mouseDClick(w, Qt::LeftButton, {}, QPoint(2, 2));
    ASSERT_TRUE(panel->isVisible());
    // just below the item: page origin (390, 690) + item (300, 300), + height 900 + 120
    EXPECT_EQ(panel->pos(), px(690, 2010));
    auto* caption = control<QLineEdit>("標籤輸入");
    caption->setFocus();
    caption->end(false);
    const float narrow = tags().label(1, 1)->width;
    QTest::keyClicks(caption, QStringLiteral("A,\"B"));
    EXPECT_EQ(tags().label(1, 1)->caption, QStringLiteral("標籤AB"));
    EXPECT_GT(tags().label(1, 1)->width, narrow);

    QTest::mouseClick(control<SkinButton>("粗體圖"), Qt::LeftButton);
    EXPECT_TRUE(tags().label(1, 1)->bold);
    EXPECT_TRUE(control<SkinButton>("粗體")->isChecked());
    QTest::mouseClick(control<SkinButton>("底線"), Qt::LeftButton);
    EXPECT_TRUE(tags().label(1, 1)->underline);

    auto* sizes = control<QComboBox>("文字大小");
    sizes->setCurrentIndex(sizes->findText("16"));
    emit sizes->activated(sizes->currentIndex());
    EXPECT_EQ(tags().label(1, 1)->fontSize, 16);
    auto* fonts = control<QComboBox>("字型");
    emit fonts->activated(fonts->findText(QStringLiteral("標楷體")));
    EXPECT_EQ(tags().label(1, 1)->fontName, QStringLiteral("標楷體"));

    // colour through the palette: a click on a cell sets the fore colour and the swatch
    QTest::mouseClick(control<SkinButton>("選色"), Qt::LeftButton);
    QWidget* palette = control("色彩選項");
    ASSERT_TRUE(palette->isVisible());
    QTest::mouseClick(palette, Qt::LeftButton, {}, QPoint(20, 40));
    EXPECT_EQ(QColor(tags().label(1, 1)->foreColour).rgb(), panel->swatchColour().rgb());
}

TEST_F(TagEditorGuiTest, DraggingALabelKeepsItInsideItsItem) {
    addItemAt(360, 360);
    menuEntry(1, QPoint(40, 20), 0);
    TextLabelWidget* w = labelWidget(1, 1);
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(2, 2));
    moveTo(w, QPointF(-60, 2), Qt::LeftButton);
    EXPECT_EQ(host.hint, QStringLiteral("功能提示：【Ａ 點擊二下，修改標籤】【Ｂ "
                                        "移動標籤位置，按住滑鼠左鍵托拉】"));
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(tags().label(1, 1)->left, 0);
    EXPECT_EQ(w->x(), 0);
    EXPECT_EQ(editor->model().pointer.held, 0);
    // down past the bottom edge
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(2, 2));
    moveTo(w, QPointF(2, 200), Qt::LeftButton);
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(2, 2));
    const TextLabelItem* label = tags().label(1, 1);
    EXPECT_EQ(label->top + label->height, 900);
}

TEST_F(TagEditorGuiTest, DeleteTagButtonRemovesTheTagUnderThePointer) {
    addItemAt(360, 360);
    menuEntry(1, QPoint(40, 20), 0);
    menuEntry(1, QPoint(150, 20), 1);
    moveTo(imageWidget(1, 1), QPointF(5, 5), Qt::NoButton);
    EXPECT_EQ(host.hint, QStringLiteral("功能提示：【Ａ 點擊二下，修改圖片】【Ｂ "
                                        "移動圖片位置，按住滑鼠左鍵托拉】"));
    moveTo(labelWidget(1, 1), QPointF(2, 2), Qt::NoButton);
    auto* button = control<SkinButton>("刪除籤", 1);
    ASSERT_TRUE(button->isVisible());
    const TextLabelItem* label = tags().label(1, 1);
    EXPECT_EQ(button->pos(), px(label->left + label->width, label->top));
    QTest::mouseMove(button, QPoint(3, 3));
    moveTo(button, QPointF(4, 4), Qt::NoButton);
    EXPECT_EQ(host.hint, QStringLiteral("【刪除】標籤"));
    editor->openArrangementPanel(8000);
    QTest::mouseClick(button, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(tags().label(1, 1), nullptr);
    EXPECT_NE(tags().image(1, 1), nullptr);
    EXPECT_EQ(labelWidget(1, 1), nullptr);
    EXPECT_FALSE(button->isVisible());
    EXPECT_FALSE(control("自動排列窗")->isVisible()) << "the floating panels close";
}

TEST_F(TagEditorGuiTest, ReplaceAllChangesEveryNewLabel) {
    addItemAt(360, 360);
    addItemAt(4500, 360);
    menuEntry(1, QPoint(40, 20), 0);
    menuEntry(1, QPoint(40, 40), 0);
    menuEntry(2, QPoint(40, 20), 0);
    menuEntry(2, QPoint(40, 40), 0);
    // one label renamed first
    QTest::mouseDClick(labelWidget(2, 2), Qt::LeftButton, {}, QPoint(2, 2));
    auto* caption = control<QLineEdit>("標籤輸入");
    retype(caption, QStringLiteral("品名"));
    QTest::mouseDClick(labelWidget(1, 1), Qt::LeftButton, {}, QPoint(2, 2));
    auto* replace = control<QLineEdit>("全部修改");
    EXPECT_TRUE(replace->text().isEmpty());
    EXPECT_FALSE(control("確定修改")->isVisible());
    replace->setText(QStringLiteral("價格")); // typed text: QTest only types ASCII
    ASSERT_TRUE(control("確定修改")->isVisible());
    QTest::mouseClick(control<SkinButton>("確定修改"), Qt::LeftButton);
    EXPECT_EQ(tags().label(1, 1)->caption, QStringLiteral("價格"));
    EXPECT_EQ(tags().label(1, 2)->caption, QStringLiteral("價格"));
    EXPECT_EQ(tags().label(2, 1)->caption, QStringLiteral("價格"));
    EXPECT_EQ(tags().label(2, 2)->caption, QStringLiteral("品名"));
    EXPECT_EQ(labelWidget(2, 1)->label().caption, QStringLiteral("價格"));
    EXPECT_EQ(host.system.beeps, 1);
    EXPECT_FALSE(control("標籤修改區")->isVisible());
}

TEST_F(TagEditorGuiTest, PicturePanelGivesTheChosenPictureToTheImage) {
    addItemAt(360, 360);
    menuEntry(1, QPoint(100, 20), 1);
    QTest::mouseDClick(imageWidget(1, 1), Qt::LeftButton, {}, QPoint(5, 5));
    auto* panel = control<PicturePanel>("圖片讀取窗");
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->pos(), px(690, 2010));
    QListWidget* list = panel->list();
    ASSERT_EQ(list->count(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    QTest::mouseClick(panel->takeButton(), Qt::LeftButton);
    const ImageItem* image = tags().image(1, 1);
    EXPECT_EQ(image->file, QStringLiteral("logo.bmp"));
    EXPECT_EQ(image->width, 900);
    EXPECT_EQ(image->height, 450);
    EXPECT_FALSE(imageWidget(1, 1)->showsPlaceholder());
    EXPECT_EQ(imageWidget(1, 1)->size(), QSize(60, 30));
    EXPECT_FALSE(panel->isVisible());

    // reopening selects the image's file
    QTest::mouseDClick(imageWidget(1, 1), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(list->currentRow(), 0);
}

TEST_F(TagEditorGuiTest, DeletedPictureStaysOnThePageButNotInNewCopies) {
    addItemAt(6000, 360);
    menuEntry(1, QPoint(100, 20), 1);
    QTest::mouseDClick(imageWidget(1, 1), Qt::LeftButton, {}, QPoint(5, 5));
    auto* panel = control<PicturePanel>("圖片讀取窗");
    QListWidget* list = panel->list();
    const QPoint entry = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry);
    QTest::mouseClick(panel->takeButton(), Qt::LeftButton);
    ASSERT_FALSE(tags().image(1, 1)->picture.isNull());
    test::changeItem(editor->model(), 1,
                     [&](BarcodeItem& i) { i.symbol.text = QStringLiteral("A1"); });
    menuEntry(1, QPoint(40, 20), 2); // copy the format, picture record included

    // Delete the file through the panel (the question is answered Yes).
    QTest::mouseDClick(imageWidget(1, 1), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry);
    QTest::mouseClick(panel->deleteButton(), Qt::LeftButton);
    ASSERT_FALSE(QFileInfo::exists(data.location().pictureFile("logo.bmp")));

    // The placed image keeps its picture, also when it is resized afterwards.
    ImageItemWidget* placed = imageWidget(1, 1);
    QTest::mousePress(placed, Qt::LeftButton, {}, QPoint(58, 5)); // right band
    moveTo(placed, QPointF(66, 5), Qt::LeftButton);
    QTest::mouseRelease(placed, Qt::LeftButton, {}, QPoint(66, 5));
    EXPECT_GT(tags().image(1, 1)->width, 900);
    EXPECT_FALSE(tags().image(1, 1)->picture.isNull());
    EXPECT_FALSE(imageWidget(1, 1)->showsPlaceholder());

    // A copy made now finds no file: its image is empty, as for any missing picture.
    QTest::mousePress(page(), Qt::RightButton, {}, px(360, 660));
    QTest::mouseRelease(page(), Qt::RightButton, {}, px(360, 660));
    QTest::mouseClick(control<SkinButton>("增加條碼鈕", 1), Qt::LeftButton);
    ASSERT_TRUE(editor->model().items().exists(2));
    ASSERT_NE(tags().image(2, 1), nullptr);
    EXPECT_EQ(tags().image(2, 1)->file, QString());
    EXPECT_TRUE(tags().image(2, 1)->picture.isNull());
    EXPECT_TRUE(imageWidget(2, 1)->showsPlaceholder());
}

TEST_F(TagEditorGuiTest, DraggingTheRightBandResizesAnImage) {
    addItemAt(360, 360);
    menuEntry(1, QPoint(20, 10), 1); // image at (240, 90), 375 wide
    ImageItemWidget* w = imageWidget(1, 1);
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(23, 5)); // x 345: right band
    moveTo(w, QPointF(28, 5), Qt::LeftButton);               // x 420
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(28, 5));
    EXPECT_EQ(tags().image(1, 1)->width, 435);
    EXPECT_EQ(QPointF(tags().image(1, 1)->left, tags().image(1, 1)->top), QPointF(240, 90));
    EXPECT_EQ(w->width(), 29);
}

TEST_F(TagEditorGuiTest, DeletingAnItemDeletesItsTags) {
    addItemAt(360, 360);
    menuEntry(1, QPoint(40, 20), 0);
    menuEntry(1, QPoint(100, 20), 1);
    moveTo(item(1), QPointF(200, 50), Qt::NoButton);
    QTest::mouseClick(control<SkinButton>("刪除碼", 1), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(tags().find(1), nullptr);
    EXPECT_EQ(addItemAt(360, 360), 1);
    EXPECT_EQ(labelWidget(1, 1), nullptr);
    EXPECT_EQ(tags().label(1, 1), nullptr);
}

TEST_F(TagEditorGuiTest, CopyThenAddFiveCopiesDownOneColumn) {
    addItemAt(6000, 360);
    menuEntry(1, QPoint(40, 20), 0);
    menuEntry(1, QPoint(100, 20), 1);
    test::changeItem(editor->model(), 1,
                     [&](BarcodeItem& i) { i.symbol.text = QStringLiteral("A1"); });
    menuEntry(1, QPoint(40, 20), 2);
    EXPECT_EQ(editor->formatMemory().count(), 3);

    QTest::mousePress(page(), Qt::RightButton, {}, px(360, 660));
    QTest::mouseRelease(page(), Qt::RightButton, {}, px(360, 660));
    auto* copies = control<SkinButton>("增加條碼鈕", 1);
    ASSERT_TRUE(copies->isVisible());
    auto* count = control<NumberBox>("貼上數量");
    EXPECT_FALSE(count->isEnabled());
    QTest::mouseMove(copies, QPoint(5, 5));
    moveTo(copies, QPointF(6, 5), Qt::NoButton);
    count->setEnabled(true); // the pointer's enter event does not reach offscreen windows
    EXPECT_EQ(host.hint, QStringLiteral("增加 1 個複製中的，條碼格式"));
    count->selectAll();
    QTest::keyClicks(count, QStringLiteral("5"));
    EXPECT_EQ(copies->text(), QStringLiteral("增加 5 個複製中的，條碼格式"));
    QTest::keyClick(count, Qt::Key_Return);

    const float tops[5] = {600, 1560, 2520, 3480, 4440};
    for (int k = 2; k <= 6; ++k) {
        ASSERT_TRUE(editor->model().items().exists(k)) << k;
        EXPECT_EQ(editor->model().items().at(k).top, tops[k - 2]);
        EXPECT_EQ(editor->model().items().at(k).left, 300);
        EXPECT_EQ(editor->model().items().at(k).symbol.text, QStringLiteral("A1"));
        EXPECT_NE(labelWidget(k, 1), nullptr);
        EXPECT_NE(imageWidget(k, 1), nullptr);
    }
    EXPECT_FALSE(editor->model().items().exists(7));
    EXPECT_EQ(editor->model().currentItem, 6);
    EXPECT_FALSE(control("增加條碼窗")->isVisible());
}

TEST_F(TagEditorGuiTest, ArrangementPanelSavesOnEveryKeyAndRearranges) {
    for (int i = 0; i < 3; ++i)
        addItemAt(6000, 360 + i * 1500);
    editor->openArrangementPanel(8000);
    auto* panel = control<ArrangementPanel>("自動排列窗");
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->pos(), px(7640, 600));
    EXPECT_EQ(panel->property("entered").toInt(), 0);

    auto* vertical = control<NumberBox>("上下間距");
    vertical->setFocus();
    vertical->selectAll();
    QTest::keyClicks(vertical, QStringLiteral("2x5"));
    EXPECT_EQ(host.store.value(QStringLiteral("列印排列")), QStringLiteral("2 25 20 20"));
    EXPECT_EQ(editor->model().arrangement.verticalGap, QStringLiteral("25"));
    // no mode pressed yet: nothing moved
    EXPECT_EQ(editor->model().items().at(1).left, 5940);

    QTest::mouseClick(control<SkinButton>("排列選擇", 0), Qt::LeftButton);
    EXPECT_EQ(editor->model().items().at(2).top, 300 + 900 + 375);
    EXPECT_EQ(item(2)->pos(), px(300, 1575));
    QTest::keyClick(vertical, Qt::Key_Backspace);
    EXPECT_EQ(host.store.value(QStringLiteral("列印排列")), QStringLiteral("2 2 20 20"));
    EXPECT_EQ(editor->model().items().at(2).top, 300 + 900 + 30);

    QTest::mouseClick(control<SkinButton>("排列選擇", 2), Qt::LeftButton);
    EXPECT_EQ(editor->model().items().at(2).left, 300 + 3600 + 30);
    moveTo(control("起始上"), QPointF(3, 3), Qt::NoButton);
    EXPECT_EQ(host.hint, QStringLiteral("排列開始 最上方 位置"));
    EXPECT_EQ(panel->property("entered").toInt(), 1);

    ArrangementSettings stored;
    ASSERT_TRUE(stored.restore(QStringLiteral("4 6 030 10")));
    editor->restoreArrangement(stored);
    EXPECT_EQ(control<NumberBox>("起始左")->text(), QStringLiteral("30"));
    EXPECT_EQ(editor->model().arrangement.settingText(), QStringLiteral("4 6 30 10"));
}

TEST_F(TagEditorGuiTest, ArrangementOverflowIsReported) {
    for (int i = 0; i < 20; ++i)
        addItemAt(360 + (i % 3) * 3700, 360 + (i / 3) * 960);
    editor->openArrangementPanel(8000);
    QTest::mouseClick(control<SkinButton>("排列選擇", 0), Qt::LeftButton);
    ASSERT_EQ(host.boxes.shown.size(), 1);
    EXPECT_EQ(host.boxes.shown[0].title, QStringLiteral("列印超出"));
    EXPECT_EQ(host.boxes.shown[0].text, QStringLiteral("條碼排列 高度 超出列印範圍"));
    EXPECT_EQ(host.boxes.shown[0].icon, MessageIcon::Information);
}

TEST_F(TagEditorGuiTest, PrintQuantityStepsAndKeys) {
    auto* panel = control<PrintQuantityPanel>("列印數量窗");
    panel->show();
    auto* box = control<NumberBox>("列印數量");
    EXPECT_EQ(box->text(), "1");
    QTest::mouseClick(control<SkinButton>("印量加減", 0), Qt::LeftButton);
    QTest::mouseClick(control<SkinButton>("印量加減", 0), Qt::LeftButton);
    EXPECT_EQ(panel->quantityText(), "3");
    EXPECT_EQ(editor->model().printQuantity, "3");
    QTest::mouseClick(control<SkinButton>("印量加減", 1), Qt::LeftButton);
    QTest::mouseClick(control<SkinButton>("印量加減", 1), Qt::LeftButton);
    QTest::mouseClick(control<SkinButton>("印量加減", 1), Qt::LeftButton);
    EXPECT_EQ(panel->quantityText(), "1");
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("9a-99.9"));
    EXPECT_EQ(panel->quantityText(), "9999");
    EXPECT_EQ(editor->model().printQuantity, "9999");
    QTest::mouseClick(control<SkinButton>("印量加減", 0), Qt::LeftButton);
    EXPECT_EQ(panel->quantityText(), "9999");
    moveTo(control("印量加減", 1), QPointF(3, 3), Qt::NoButton);
    EXPECT_EQ(host.hint, QStringLiteral("減少 列印數量"));
}

TEST_F(TagEditorGuiTest, SimpleLayoutPressOnALabelOpensThePanelAtOnce) {
    editor->setLayoutMode(LayoutMode::Simple);
    item(0)->show();
    editor->document().addLabel(0, {120, 60});
    TextLabelWidget* w = labelWidget(0, 1);
    ASSERT_NE(w, nullptr);
    QTest::mousePress(w, Qt::RightButton, {}, QPoint(2, 2));
    QTest::mouseRelease(w, Qt::RightButton, {}, QPoint(2, 2));
    EXPECT_TRUE(control("標籤修改區")->isVisible());
    EXPECT_EQ(control("標籤修改區")->x(), 17) << "stacked with the simple layout's panels";
    moveTo(w, QPointF(3, 3), Qt::NoButton);
    EXPECT_EQ(host.hint, QStringLiteral("【Ａ 修改標籤，滑鼠右鍵】【Ｂ 按住滑鼠左鍵移動標籤】"));
}

} // namespace
