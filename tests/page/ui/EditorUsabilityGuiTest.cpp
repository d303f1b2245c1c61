// The page editor as a new user meets it: items that can be seen, panels that stay in the window
// and close with Escape, Tab through the panels, Enter to confirm, a hint for every control,
// controls that keep off the content, and texts that stay whole.
#include "EditorWindowFixture.h"
#include "page/ui/AddBarcodePanel.h"
#include "page/ui/BarcodeEditPanel.h"
#include "page/ui/BarcodeItemWidget.h"
#include "page/ui/ColourPalette.h"
#include "page/ui/ImageItemWidget.h"
#include "page/ui/ItemMenu.h"
#include "page/ui/NumberBox.h"
#include "page/ui/PicturePanel.h"
#include "page/ui/SkinButton.h"
#include "page/ui/SymbolHandleWidget.h"
#include "page/ui/TagEditor.h"
#include "page/ui/TextLabelPanel.h"
#include "page/ui/TextLabelWidget.h"
#include "platform/LocalFileSystem.h"
#include "platform/QtPictureLoader.h"
#include "support/FixtureScript.h"
#include "support/TempDataFolder.h"

#include "support/PageModelEdits.h"
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "support/RowNames.h"

#include <gtest/gtest.h>

using namespace brevmark;
using brevmark::test::px;
using brevmark::test::rowName;

namespace {

class EditorUsabilityTest : public test::EditorWindowFixture {
protected:
    test::TempDataFolder data;
    LocalFileSystem files;
    QtPictureLoader loader;
    std::unique_ptr<PictureFolder> folder;

    void SetUp() override {
        // A picture of 300 x 150 pixels (4500 x 2250 twips), larger than a new item.
        test::runFixtureScript(QStringLiteral("tests/page/fixtures/large_picture.py"),
                               {data.location().pictureFile(QStringLiteral("wide.bmp"))});
        folder = std::make_unique<PictureFolder>(files, loader, data.location());
        folder->fill();
        openEditor([this](PageEditor& e) {
            e.setPictureFolder(*folder);
            e.setFonts({QStringLiteral("新細明體"), QStringLiteral("標楷體")});
        });
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void openEditPanel(int index) {
        QTest::mouseDClick(item(index), Qt::LeftButton, {}, QPoint(30, 10));
        ASSERT_TRUE(control("條碼輸入區")->isVisible());
    }
    // A text label on item 1 through its context menu, opened in the text label panel.
    TextLabelWidget* openLabelPanel() {
        QTest::mousePress(item(1), Qt::RightButton, {}, QPoint(40, 20));
        QTest::mouseRelease(item(1), Qt::RightButton, {}, QPoint(40, 20));
        auto* menu = control<ItemMenu>("功能選項");
        moveTo(menu, QPointF(20, (45 + 210) / 15.0), Qt::NoButton);
        QTest::mouseClick(control<SkinButton>("標籤功能", 0), Qt::LeftButton);
        TextLabelWidget* label = nullptr;
        for (auto* w : window->findChildren<TextLabelWidget*>(QStringLiteral("文字籤")))
            label = w;
        if (label)
            QTest::mouseDClick(label, Qt::LeftButton, {}, QPoint(3, 3));
        return label;
    }
    static void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    // The controls Tab visits from the focus on, until it comes back.
    static QList<QWidget*> tabRound(int presses) {
        QList<QWidget*> visited;
        for (int i = 0; i < presses; ++i) {
            press(Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            // The text box of an editable list stands for the list.
            if (focus && qobject_cast<QComboBox*>(focus->parentWidget()))
                focus = focus->parentWidget();
            visited << focus;
        }
        return visited;
    }
};

bool isWhite(QRgb pixel) {
    return pixel == QColor(Qt::white).rgb();
}

TEST_F(EditorUsabilityTest, AnItemWithoutABorderShowsALightOutlineOnScreen) {
    addItemAt(360, 360);
    const QImage shown = item(1)->grab().toImage();
    // the outline runs along the edges; the inside stays white
    int outlined = 0;
    for (int x = 0; x < shown.width(); ++x)
        outlined += !isWhite(shown.pixel(x, 0)) && !isWhite(shown.pixel(x, shown.height() - 1));
    EXPECT_GT(outlined, shown.width() / 3);
    EXPECT_TRUE(isWhite(shown.pixel(shown.width() / 2, shown.height() / 2)));
    // the item's own drawing (what the print job mirrors) holds no outline
    EXPECT_TRUE(isWhite(item(1)->image().pixel(0, 0)));

    openEditPanel(1);
    QTest::mouseClick(control<SkinButton>("外框勾選"), Qt::LeftButton);
    const QImage bordered = item(1)->grab().toImage();
    EXPECT_EQ(bordered.pixelColor(shown.width() / 2, 0), QColor(Qt::black));
}

TEST_F(EditorUsabilityTest, ThePaletteStaysInsideTheWindowAndClosesOnEscapeOrAClickOutside) {
    // an item near the bottom: its edit panel reaches the window's lower edge
    addItemAt(360, 4400);
    openEditPanel(1);
    auto* palette = control<ColourPalette>("色彩選項");
    QTest::mouseClick(control<SkinButton>("選底色"), Qt::LeftButton);
    ASSERT_TRUE(palette->isVisible());
    EXPECT_TRUE(window->rect().contains(palette->geometry()));
    EXPECT_EQ(palette->title(), QStringLiteral("選擇底色"));

    press(Qt::Key_Escape);
    EXPECT_FALSE(palette->isVisible());
    EXPECT_TRUE(control("條碼輸入區")->isVisible()) << "one Escape closes only the palette";

    QTest::mouseClick(control<SkinButton>("選底色"), Qt::LeftButton);
    ASSERT_TRUE(palette->isVisible());
    QTest::mouseClick(control("條碼輸入區"), Qt::LeftButton, {}, QPoint(5, 40));
    EXPECT_FALSE(palette->isVisible());

    // the text colour's palette is titled for the text colour
    openLabelPanel();
    QTest::mouseClick(control<SkinButton>("選色"), Qt::LeftButton);
    ASSERT_TRUE(palette->isVisible());
    EXPECT_EQ(palette->title(), QStringLiteral("選擇文字顏色"));
    EXPECT_TRUE(window->rect().contains(palette->geometry()));
}

struct PlaceCase {
    const char* name;
    QRect opener;
    QPoint expected;
};
void PrintTo(const PlaceCase& c, std::ostream* os) {
    *os << c.name;
}
class PalettePlace : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(PalettePlace, BelowItsOpenerOrAboveAndNeverOutOfTheWindow) {
    // a 160 x 120 palette in a 400 x 498 window with a 6-pixel frame
    EXPECT_EQ(ColourPalette::placeFor(GetParam().opener, {160, 120}, {400, 498}),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Openers, PalettePlace,
    ::testing::Values(PlaceCase{"Below", QRect(20, 100, 80, 24), QPoint(20, 126)},
                      PlaceCase{"AboveWhenNoRoomBelow", QRect(20, 400, 80, 24), QPoint(20, 278)},
                      PlaceCase{"PulledInFromTheRight", QRect(300, 100, 80, 24), QPoint(234, 126)},
                      PlaceCase{"PulledInFromTheLeft", QRect(-30, 100, 80, 24), QPoint(6, 126)},
                      PlaceCase{"NoRoomEitherWay", QRect(20, 60, 80, 400), QPoint(20, 6)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorUsabilityTest, EscapeClosesTheOpenFloatingPanel) {
    addItemAt(360, 360);
    openEditPanel(1);
    QApplication::focusWidget()->clearFocus(); // Escape reaches the window from anywhere
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(control("條碼輸入區")->isVisible());

    QTest::mousePress(item(1), Qt::RightButton, {}, QPoint(40, 20));
    QTest::mouseRelease(item(1), Qt::RightButton, {}, QPoint(40, 20));
    ASSERT_TRUE(control("功能選項")->isVisible());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(control("功能選項")->isVisible());

    openLabelPanel();
    ASSERT_TRUE(control("標籤修改區")->isVisible());
    press(Qt::Key_Escape); // from the caption box
    EXPECT_FALSE(control("標籤修改區")->isVisible());
}

TEST_F(EditorUsabilityTest, TabGoesThroughTheEditPanelInVisualOrderAndStaysInIt) {
    addItemAt(360, 360);
    openEditPanel(1);
    auto* panel = control<BarcodeEditPanel>("條碼輸入區");
    ASSERT_EQ(QApplication::focusWidget(), panel->entry());
    const QList<QWidget*> order = panel->tabOrder();
    ASSERT_EQ(order.size(), 22); // close, text box, -1, +1, 4 boxes, size, 4 options, swatch, 8
    const QList<QWidget*> visited = tabRound(int(order.size()));
    // from the text box on, then round to the header's close button and back to the text box
    QList<QWidget*> expected = order.mid(2) + order.mid(0, 2);
    EXPECT_EQ(visited, expected);
    // visual order: row by row (top to bottom), left to right within a row
    for (qsizetype i = 2; i < order.size(); ++i) {
        const QRect a = order[i - 1]->geometry(), b = order[i]->geometry();
        EXPECT_TRUE(b.top() > a.top() + 4 ||
                    (std::abs(b.top() - a.top()) <= 4 && b.left() > a.left()))
            << order[i - 1]->objectName().toStdString() << " before "
            << order[i]->objectName().toStdString();
    }
    // Shift+Tab goes back: from the text box to the close button in the header
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), order[0]);
}

TEST_F(EditorUsabilityTest, TabGoesThroughTheTextLabelPanelAndEnterConfirmsIt) {
    addItemAt(360, 360);
    TextLabelWidget* label = openLabelPanel();
    ASSERT_NE(label, nullptr);
    auto* panel = control<TextLabelPanel>("標籤修改區");
    ASSERT_TRUE(panel->isVisible());
    ASSERT_EQ(QApplication::focusWidget(), panel->captionBox());
    QList<QWidget*> order = panel->tabOrder();
    order.removeAll(panel->replaceButton()); // shown only while the replace box holds a text
    const QList<QWidget*> visited = tabRound(int(order.size()));
    EXPECT_EQ(visited, order.mid(2) + order.mid(0, 2));

    // Enter in the caption box confirms: the caption is kept and the panel closes
    panel->captionBox()->setFocus();
    panel->captionBox()->selectAll();
    QTest::keyClicks(panel->captionBox(), QStringLiteral("Price"));
    press(Qt::Key_Return);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(label->label().caption, QStringLiteral("Price"));

    // Enter in the replace box with a text replaces; in the size list it applies the size
    QTest::mouseDClick(label, Qt::LeftButton, {}, QPoint(3, 3));
    panel->replaceBox()->setFocus();
    QTest::keyClicks(panel->replaceBox(), QStringLiteral("Cost"));
    press(Qt::Key_Enter);
    EXPECT_EQ(label->label().caption, QStringLiteral("Cost"));
    EXPECT_EQ(host.system.beeps, 1);
    EXPECT_FALSE(panel->isVisible());

    QTest::mouseDClick(label, Qt::LeftButton, {}, QPoint(3, 3));
    panel->sizeList()->setFocus();
    panel->sizeList()->lineEdit()->selectAll();
    QTest::keyClicks(panel->sizeList()->lineEdit(), QStringLiteral("20"));
    press(Qt::Key_Return);
    EXPECT_EQ(label->label().fontSize, 20);
    EXPECT_FALSE(panel->isVisible());
}

TEST_F(EditorUsabilityTest, EveryControlOfThePanelsShowsAHintOfItsOwn) {
    addItemAt(360, 360);
    openLabelPanel();
    openEditPanel(1);
    auto* edit = control<BarcodeEditPanel>("條碼輸入區");
    auto* labels = control<TextLabelPanel>("標籤修改區");
    labels->show();
    labels->replaceButton()->show();
    QList<QWidget*> controls = edit->tabOrder() + labels->tabOrder();
    QStringList hints;
    for (QWidget* c : controls) {
        host.hint = QStringLiteral("previous control");
        moveTo(c, QPointF(3, 3), Qt::NoButton);
        EXPECT_NE(host.hint, QStringLiteral("previous control")) << c->objectName().toStdString();
        EXPECT_FALSE(host.hint.isEmpty()) << c->objectName().toStdString();
        hints << host.hint;
    }
    // the four width ratio options tell which they are
    for (int i = 0; i < 4; ++i) {
        moveTo(control<SkinButton>("格式設定", i), QPointF(3, 3), Qt::NoButton);
        EXPECT_TRUE(host.hint.contains(control<SkinButton>("格式設定", i)->text()));
    }
}

TEST_F(EditorUsabilityTest, TheAddCopiesHintFollowsTheTypedCount) {
    addItemAt(360, 360);
    editor->captureFormat(1);
    QTest::mousePress(page(), Qt::RightButton, {}, px(6000, 360));
    QTest::mouseRelease(page(), Qt::RightButton, {}, px(6000, 360));
    auto* copies = control<SkinButton>("增加條碼鈕", 1);
    ASSERT_TRUE(copies->isVisible());
    moveTo(copies, QPointF(6, 5), Qt::NoButton);
    EXPECT_EQ(host.hint, QStringLiteral("增加 1 個複製中的，條碼格式"));
    auto* count = control<NumberBox>("貼上數量");
    count->setEnabled(true);
    count->setFocus();
    count->selectAll();
    QTest::keyClicks(count, QStringLiteral("12"));
    EXPECT_EQ(host.hint, QStringLiteral("增加 12 個複製中的，條碼格式"));
}

TEST_F(EditorUsabilityTest, TheSymbolHandleKeepsOffTheBars) {
    addItemAt(360, 360);
    openEditPanel(1);
    QTest::keyClicks(control<QLineEdit>("條碼輸入"), QStringLiteral("A1"));
    auto* handle = control<SymbolHandleWidget>("移動指標", 1);
    ASSERT_TRUE(handle->isVisible());
    const BarcodeAppearance& symbol = editor->model().items().at(1).symbol;
    // the bars start at the symbol origin; the handle ends above them
    EXPECT_LE(handle->geometry().bottom(), int(symbol.symbolTop / 15) - 1);
    EXPECT_EQ(handle->x(), int(symbol.symbolLeft / 15));
}

struct HandleCase {
    QPointF origin;
    QPointF tab;
};
class HandlePlace : public ::testing::TestWithParam<HandleCase> {};

TEST_P(HandlePlace, AboveTheBarsOrLeftOfThemOrOverThemWithoutRoom) {
    EXPECT_EQ(SymbolHandleWidget::placeFor(GetParam().origin), GetParam().tab);
}

INSTANTIATE_TEST_SUITE_P(
    Origins, HandlePlace,
    ::testing::Values(HandleCase{{120, 120}, {120, 0}}, HandleCase{{600, 300}, {600, 180}},
                      HandleCase{{450, 60}, {60, 60}}, HandleCase{{120, 0}, {120, 0}}),
    [](const auto& info) {
        return rowName(
            QStringLiteral("origin %1 %2").arg(info.param.origin.x()).arg(info.param.origin.y()));
    });

TEST_F(EditorUsabilityTest, TheDeleteTagButtonFollowsItsLabelAndKeepsOffTheDeleteButton) {
    addItemAt(360, 360);
    TextLabelWidget* label = openLabelPanel();
    ASSERT_NE(label, nullptr);
    moveTo(label, QPointF(3, 3), Qt::NoButton);
    SkinButton* deleteTag = control<SkinButton>("刪除籤", 1);
    ASSERT_TRUE(deleteTag->isVisible());
    EXPECT_EQ(deleteTag->x(), label->geometry().right() + 1);

    // a longer caption moves the label's end, and the button with it
    retype(control<QLineEdit>("標籤輸入"), QStringLiteral("A much longer caption"));
    EXPECT_EQ(deleteTag->x(), label->geometry().right() + 1);

    // a label reaching the item's top-right corner: the button goes below the delete button
    moveTo(item(1), QPointF(30, 10), Qt::NoButton);
    SkinButton* deleteItem = control<SkinButton>("刪除碼", 1);
    retype(control<QLineEdit>("標籤輸入"), QStringLiteral("Caption wide enough to reach the edge"));
    test::changeLabel(editor->model(), 1, 1, [&](TextLabelItem& l) {
        l.left = editor->model().items().at(1).width - l.width - 180;
        l.top = 0;
    });
    moveTo(label, QPointF(3, 3), Qt::NoButton);
    ASSERT_TRUE(deleteItem->isVisible());
    EXPECT_FALSE(deleteTag->geometry().intersects(deleteItem->geometry()));
}

TEST_F(EditorUsabilityTest, APictureLargerThanItsItemComesInScaledToFit) {
    addItemAt(360, 360);
    QTest::mousePress(item(1), Qt::RightButton, {}, QPoint(100, 20));
    QTest::mouseRelease(item(1), Qt::RightButton, {}, QPoint(100, 20));
    moveTo(control("功能選項"), QPointF(20, (435 + 210) / 15.0), Qt::NoButton);
    QTest::mouseClick(control<SkinButton>("標籤功能", 1), Qt::LeftButton);
    ImageItemWidget* image = nullptr;
    for (auto* w : window->findChildren<ImageItemWidget*>(QStringLiteral("圖形籤")))
        image = w;
    ASSERT_NE(image, nullptr);
    QTest::mouseDClick(image, Qt::LeftButton, {}, QPoint(5, 5));
    auto* panel = control<PicturePanel>("圖片讀取窗");
    QListWidget* list = panel->list();
    ASSERT_EQ(list->count(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    QTest::mouseClick(panel->takeButton(), Qt::LeftButton);
    const ImageItem* taken = editor->model().tags().image(1, 1);
    // 4500 x 2250 twips into a 3600 x 900 item: scaled by 0.4 to 1800 x 900, kept inside
    EXPECT_EQ(taken->width, 1800);
    EXPECT_EQ(taken->height, 900);
    EXPECT_EQ(taken->top, 0);
    EXPECT_LE(taken->left + taken->width, 3600);
    EXPECT_EQ(image->size(), QSize(120, 60));
}

TEST_F(EditorUsabilityTest, OpeningTheEditPanelKeepsALongBarcodeTextWhole) {
    BarcodeItem long25 = BarcodeItem::blank({300, 300}, false);
    long25.symbol.text = QStringLiteral("ABCDEFGHIJ0123456789KLMNO"); // 25, from a record
    test::putItem(editor->model(), 1, long25);
    openEditPanel(1);
    auto* entry = control<QLineEdit>("條碼輸入");
    EXPECT_EQ(entry->text(), long25.symbol.text);
    EXPECT_EQ(editor->model().items().at(1).symbol.text, long25.symbol.text);
    // typing cannot lengthen it; deleting shortens it
    entry->end(false);
    QTest::keyClicks(entry, QStringLiteral("Z"));
    EXPECT_EQ(editor->model().items().at(1).symbol.text.size(), 25);
    QTest::keyClick(entry, Qt::Key_Backspace);
    EXPECT_EQ(editor->model().items().at(1).symbol.text,
              QStringLiteral("ABCDEFGHIJ0123456789KLMN"));

    // a new text is typed up to 20 characters
    addItemAt(360, 2400);
    openEditPanel(2);
    QTest::keyClicks(control<QLineEdit>("條碼輸入"), QStringLiteral("123456789012345678901234"));
    EXPECT_EQ(editor->model().items().at(2).symbol.text, QStringLiteral("12345678901234567890"));
}

TEST_F(EditorUsabilityTest, TheSizeListShowsTheFontSizeRoundedHalvesToEven) {
    addItemAt(360, 360);
    openLabelPanel();
    auto* panel = control<TextLabelPanel>("標籤修改區");
    for (const auto& [size, shown] : {std::pair{10.5f, "10"}, {11.5f, "12"}, {11.25f, "11"}}) {
        TextLabelItem label = *editor->model().tags().label(1, 1);
        label.fontSize = size;
        panel->showLabel(label);
        EXPECT_EQ(panel->sizeList()->currentText(), QString::fromUtf8(shown)) << size;
    }
}

TEST_F(EditorUsabilityTest, TheSimpleLayoutMenuHasNoEmptyRow) {
    editor->setLayoutMode(LayoutMode::Simple);
    addItemAt(360, 360);
    QTest::mousePress(item(1), Qt::RightButton, {}, QPoint(40, 20));
    QTest::mouseRelease(item(1), Qt::RightButton, {}, QPoint(40, 20));
    auto* menu = control<ItemMenu>("功能選項");
    ASSERT_TRUE(menu->isVisible());
    // copying the format is for the professional layout, reading one needs the format file:
    // entries 0, 1 and 4 fill three rows
    EXPECT_EQ(menu->height(), (1245 + 45) / 15);
    moveTo(menu, QPointF(20, (825 + 210) / 15.0), Qt::NoButton);
    EXPECT_EQ(control<SkinButton>("標籤功能", 4)->x(), 0);
    EXPECT_EQ(host.hint, QStringLiteral("儲存 現在編輯的 條碼格式"));
}

} // namespace
