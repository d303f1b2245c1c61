// The alignment window's finder of the template database's stock sheets, driven by objectName as
// a user drives it: typing into 標籤紙搜尋, choosing a row of 標籤紙清單, pressing 套用標籤紙 or
// 填滿標籤紙. The database is the tests' own (template_files.py), found through XDG_DATA_DIRS and
// XDG_DATA_HOME as the program finds the system's.
#include "AlignmentWindowFixture.h"

#include "alignment/AlignmentGuides.h"
#include "alignment/GuidePicture.h"
#include "alignment/SheetTexts.h"
#include "alignment/ui/AlignmentWindow.h"
#include "page/ui/BarcodeItemWidget.h"
#include "page/ui/PageEditor.h"
#include "page/ui/PageWidget.h"
#include "page/ui/PaperPanel.h"
#include "page/ui/SkinButton.h"
#include "platform/Timer.h"
#include "platform/qt/QtMessageBoxes.h"
#include "print/PrintDoubles.h"
#include "shell/AlignmentBridge.h"
#include "support/PageModelEdits.h"
#include "support/ScopedEnvironment.h"
#include "support/TestTemplates.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <cmath>
#include <gtest/gtest.h>

using namespace brevmark;
using namespace brevmark::test;

namespace {

constexpr double mm = 1440 / 25.4;

// Brevtest B65: 5 × 13 labels of 38.1 × 21.2 mm from (4.75, 10.7) mm, 40.6 and 21.2 mm apart,
// markup margin 1.5 mm.
QRectF b65Label(int column, int row) {
    return {(4.75 + column * 40.6) * mm, (10.7 + row * 21.2) * mm, 38.1 * mm, 21.2 * mm};
}

class SheetFinderWindow : public ::testing::Test, protected AlignmentWindowFixture {
protected:
    void SetUp() override {
        env.set("XDG_DATA_DIRS", templates.dataDirs().toLocal8Bit());
        env.set("XDG_DATA_HOME", templates.dataHome().toLocal8Bit());
    }
    template <typename T> static T* child(QWidget* in, const char* name) {
        return in->findChild<T*>(QString::fromUtf8(name));
    }
    static QStringList listed(AlignmentWindow* a) {
        QStringList names;
        auto* list = child<QTreeWidget>(a, "標籤紙清單");
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            names << list->topLevelItem(i)->text(0);
        return names;
    }
    // Types the text into the search box, picks the row of that name, presses the button.
    void pick(AlignmentWindow* a, const QString& search, const QString& name, const char* button) {
        auto* box = child<QLineEdit>(a, "標籤紙搜尋");
        box->clear();
        QTest::keyClicks(box, search);
        auto* list = child<QTreeWidget>(a, "標籤紙清單");
        const QList<QTreeWidgetItem*> rows = list->findItems(name, Qt::MatchExactly, 0);
        ASSERT_EQ(rows.size(), 1) << name.toStdString();
        const QRect at = list->visualItemRect(rows.first());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at.center());
        QTest::mouseClick(child<QPushButton>(a, button), Qt::LeftButton);
    }
    // Presses a button of the next message box as soon as it is up; the text it showed comes
    // back (once the box was answered) in the returned reference.
    const QString& answerTheBox(const QString& answer) {
        auto* poll = new QTimer(window.get());
        QObject::connect(poll, &QTimer::timeout, poll, [this, poll, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            poll->stop();
            boxText = box->text();
            for (QAbstractButton* b : box->buttons())
                if (b->text() == answer)
                    QTest::mouseClick(b, Qt::LeftButton);
            poll->deleteLater();
        });
        poll->start(20);
        return boxText;
    }
    // Fills a sheet from the format memory, which holds a plain item with this barcode; the page
    // is empty.
    void fillFromMemory(const QString& barcode, const QString& search, const QString& name) {
        PageEditor& editor = window->pageEditor();
        test::putItem(editor.model(), 1, pageItem(6000, 9000, barcode));
        editor.captureFormat(1);
        editor.clearPage();
        QPointer<AlignmentWindow> a = openAlignmentWindow();
        pick(a, search, name, "填滿標籤紙");
        waitUntilGone(a);
    }
    // Whether the guide's outline colour lies within a pixel of a page point (twips).
    bool outlineNear(QPointF twipsPoint) const {
        const QImage shot = page();
        const int x = int(std::lround(twipsPoint.x() / 15));
        const int y = int(std::lround(twipsPoint.y() / 15));
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (shot.pixelColor(x + dx, y + dy) == GuidePicture::outline())
                    return true;
        return false;
    }

    TestTemplates templates;
    ScopedEnvironment env;
    QString boxText;
};

TEST_F(SheetFinderWindow, ListsTheSheetsThePageCanTakeWithLabelSizeCountAndPaper) {
    MainWindow& w = open();
    EXPECT_FALSE(w.alignment()->sheetsRead()) << "the start does not wait for the database";
    AlignmentWindow* a = openAlignmentWindow();
    EXPECT_TRUE(w.alignment()->sheetsRead());
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(child<QLineEdit>(a, "標籤紙搜尋")->hasFocus()) << "ready to type";
    QTest::keyClicks(child<QLineEdit>(a, "標籤紙搜尋"), QStringLiteral("BREVTEST"));
    // Not A3 and not the card of its own size: the label page has no such paper.
    EXPECT_EQ(listed(a),
              (QStringList{"Brevtest B65", "brevtest cm", "Brevtest DISC", "Brevtest E65",
                           "Brevtest E65B", "Brevtest EXP", "Brevtest IN", "Brevtest L30",
                           "Brevtest MICRO", "Brevtest MINE", "Brevtest OVAL", "Brevtest PC",
                           "Brevtest PT", "Brevtest ROUND", "Brevtest TWO"}));
    QTest::keyClicks(child<QLineEdit>(a, "標籤紙搜尋"), QStringLiteral(" mini 65"));
    ASSERT_EQ(listed(a), (QStringList{"Brevtest B65", "Brevtest E65", "Brevtest E65B"}));
    const QTreeWidgetItem* row = child<QTreeWidget>(a, "標籤紙清單")->topLevelItem(0);
    EXPECT_EQ(row->text(1), QStringLiteral("38.1 × 21.2 mm"));
    EXPECT_EQ(row->text(2), QStringLiteral("65"));
    EXPECT_EQ(row->text(3), QStringLiteral("A4"));
    EXPECT_EQ(row->text(4), QStringLiteral("Mini labels 65 per sheet"));
    // Nothing is chosen yet, so both actions wait.
    EXPECT_FALSE(child<QPushButton>(a, "套用標籤紙")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(a, "填滿標籤紙")->isEnabled());
    // What was left out is told, with the file's name and the reason.
    auto* info = child<QLabel>(a, "標籤紙說明");
    EXPECT_TRUE(info->text().contains(QStringLiteral("略過 7 項"))) << info->text().toStdString();
    EXPECT_TRUE(info->toolTip().contains(QStringLiteral("broken-templates.xml：第 6 行")))
        << info->toolTip().toStdString();
}

TEST_F(SheetFinderWindow, ChoosingASheetDrawsItsLabelsOutlinesBehindTheItems) {
    MainWindow& w = open();
    PageEditor& editor = w.pageEditor();
    test::putItem(editor.model(), 1, pageItem(6000, 9000, QStringLiteral("A1")));
    QPointer<AlignmentWindow> a = openAlignmentWindow();
    pick(a, QStringLiteral("b65"), QStringLiteral("Brevtest B65"), "套用標籤紙");
    waitUntilGone(a);
    EXPECT_TRUE(w.isVisible());

    const QImage shot = page();
    const QRect item = editor.itemWidget(1)->geometry().adjusted(-2, -2, 2, 2);
    for (int column = 0; column < 5; ++column)
        for (int row = 0; row < 13; ++row) {
            const QRectF label = b65Label(column, row);
            const double middle = label.center().y();
            for (const QPointF edge :
                 {QPointF(label.left(), middle), QPointF(label.right(), middle),
                  QPointF(label.center().x(), label.top())})
                if (!item.contains((edge / 15).toPoint()))
                    EXPECT_TRUE(outlineNear(edge)) << column << "," << row;
            const QPoint inside = (label.center() / 15).toPoint() + QPoint(0, -20);
            if (!item.contains(inside))
                EXPECT_EQ(shot.pixelColor(inside), GuidePicture::field()) << column << "," << row;
        }
    // Left of the first column the page stays white, and the item lies in front of the guide.
    EXPECT_EQ(shot.pixelColor(QPoint(10, 100)), QColor(Qt::white));
    EXPECT_NE(shot.pixelColor(editor.itemWidget(1)->geometry().center()), GuidePicture::field());
    EXPECT_NE(shot.pixelColor(editor.itemWidget(1)->geometry().center()), GuidePicture::outline());
    auto* handle = w.findChild<QWidget*>(QStringLiteral("修改對齊位置"));
    ASSERT_TRUE(handle->isVisible());
    EXPECT_EQ(handle->pos(), QPoint(18, 40)) << "(269, 607) twips: the first label's corner";
    EXPECT_EQ(w.settings().value(QStringLiteral("對齊標籤紙")), QStringLiteral("Brevtest B65"));

    // Laying the page out anew erases the guide, as it erases the six sheets' guides.
    editor.paperAdjust();
    EXPECT_FALSE(handle->isVisible());
    EXPECT_FALSE(outlineNear({b65Label(2, 5).left(), b65Label(2, 5).center().y()}));
}

TEST_F(SheetFinderWindow, ASheetForUsLetterPutsThePageOnUsLetter) {
    MainWindow& w = open();
    QPointer<AlignmentWindow> a = openAlignmentWindow();
    pick(a, QStringLiteral("l30"), QStringLiteral("Brevtest L30"), "套用標籤紙");
    waitUntilGone(a);
    PageEditor& editor = w.pageEditor();
    EXPECT_EQ(editor.model().page().paperSize, PaperSize::Letter);
    EXPECT_EQ(editor.pageWidget()->size(), QSize(816, 1056));
    EXPECT_TRUE(editor.paperPanel()->sizeOption(int(PaperSize::Letter))->isChecked());
    EXPECT_EQ(editor.paperPanel()->sizeOption(int(PaperSize::Letter))->text(),
              QStringLiteral("US Letter"));
    // 2.625 × 1 in labels from (0.1875, 0.5) in, 2.75 in apart.
    EXPECT_TRUE(outlineNear({0.1875 * 1440 + 2 * 2.75 * 1440, 0.5 * 1440 + 9.5 * 1440}));

    // The remembered choice is selected when the window opens again.
    a = openAlignmentWindow();
    EXPECT_EQ(child<QLineEdit>(a, "標籤紙搜尋")->text(), QStringLiteral("Brevtest L30"));
    EXPECT_EQ(child<QTreeWidget>(a, "標籤紙清單")->currentItem()->text(0),
              QStringLiteral("Brevtest L30"));
    pick(a, QStringLiteral("b65"), QStringLiteral("Brevtest B65"), "套用標籤紙");
    waitUntilGone(a);
    EXPECT_EQ(editor.model().page().paperSize, PaperSize::A4);
}

// The question comes in a real message box; the fill goes on once it is answered Yes.
TEST_F(SheetFinderWindow, FillingPutsOneCopyOfTheEditedItemOnEachLabel) {
    QtMessageBoxes realBoxes;
    MainWindow& w = open(&realBoxes);
    PageEditor& editor = w.pageEditor();
    test::putItem(editor.model(), 1, pageItem(6000, 9000, QStringLiteral("AB12")));
    test::putItem(editor.model(), 2, pageItem(6000, 12000, QStringLiteral("OTHER")));
    QTest::mouseDClick(editor.itemWidget(1), Qt::LeftButton, {}, QPoint(30, 20));
    ASSERT_EQ(editor.model().editedItem, 1);

    QPointer<AlignmentWindow> a = openAlignmentWindow();
    const QString& asked = answerTheBox(QStringLiteral("是"));
    pick(a, QStringLiteral("b65"), QStringLiteral("Brevtest B65"), "填滿標籤紙");
    waitUntilGone(a);
    EXPECT_EQ(asked, SheetTexts::replaceItemsQuestion(2));

    const ItemTable& items = editor.model().items();
    ASSERT_EQ(items.count(), 65);
    int label = 0;
    for (int k : editor.model().pageItems()) {
        const BarcodeItem& item = items.at(k);
        const QRectF l = b65Label(label % 5, label / 5);
        EXPECT_NEAR(item.left, l.left() + 1.5 * mm, 0.01) << label;
        EXPECT_NEAR(item.top, l.top() + 1.5 * mm, 0.01) << label;
        // The 3600-twip item is cut to the label's room; its height fits as it is.
        EXPECT_NEAR(item.width, (38.1 - 3) * mm, 0.01) << label;
        EXPECT_EQ(item.height, 900) << label;
        EXPECT_EQ(item.symbol.text, QStringLiteral("AB12")) << label;
        EXPECT_TRUE(editor.itemWidget(k)->isVisible()) << label;
        ++label;
    }
    EXPECT_EQ(label, 65);
    EXPECT_TRUE(outlineNear({b65Label(4, 12).right(), b65Label(4, 12).center().y()}));

    // The whole fill, the cleared page with it, is one step: Ctrl+Z brings the two items back.
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(items.count(), 2);
    EXPECT_EQ(items.at(1).symbol.text, QStringLiteral("AB12"));
    EXPECT_EQ(items.at(2).symbol.text, QStringLiteral("OTHER"));
    EXPECT_EQ(items.at(2).top, 12000);
    EXPECT_TRUE(editor.itemWidget(2)->isVisible());
    QTest::keyClick(&w, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(items.count(), 65);
}

TEST_F(SheetFinderWindow, AnsweringNoLeavesThePageAsItWas) {
    MainWindow& w = open();
    PageEditor& editor = w.pageEditor();
    test::putItem(editor.model(), 1, pageItem(6000, 9000, QStringLiteral("AB12")));
    editor.captureFormat(1);
    messages.answers.enqueue(MessageAnswer::No);
    QPointer<AlignmentWindow> a = openAlignmentWindow();
    pick(a, QStringLiteral("round"), QStringLiteral("Brevtest ROUND"), "填滿標籤紙");
    waitUntilGone(a);
    ASSERT_EQ(messages.titles(), QStringList{SheetTexts::fillTitle()});
    EXPECT_EQ(editor.model().items().count(), 1);
    EXPECT_EQ(editor.model().items().at(1).left, 6000);
    EXPECT_FALSE(w.findChild<QWidget*>(QStringLiteral("修改對齊位置"))->isVisible());
    EXPECT_TRUE(w.settings().value(QStringLiteral("對齊標籤紙")).isEmpty());
}

TEST_F(SheetFinderWindow, RoundLabelsAreFilledFromTheFormatMemoryInsideTheirCircle) {
    MainWindow& w = open();
    fillFromMemory(QStringLiteral("R1"), QStringLiteral("round"), QStringLiteral("Brevtest ROUND"));
    PageEditor& editor = w.pageEditor();
    EXPECT_TRUE(messages.shown.isEmpty()) << "an empty page needs no question";
    const ItemTable& items = editor.model().items();
    ASSERT_EQ(items.count(), 12);
    // Circles of radius 20 mm from (15, 20) mm, 65 and 60 mm apart, margin 2 mm: the item's
    // corners stay inside the circle less its margin.
    const BarcodeItem& first = items.at(1);
    const QPointF centre(35 * mm, 40 * mm);
    for (const QPointF corner : {QPointF(first.left, first.top),
                                 QPointF(first.left + first.width, first.top + first.height)})
        EXPECT_LE(std::hypot(corner.x() - centre.x(), corner.y() - centre.y()), 18 * mm + 0.01);
    EXPECT_EQ(items.at(2).top, first.top);
    EXPECT_NEAR(items.at(2).left - first.left, 65 * mm, 0.01);
}

TEST_F(SheetFinderWindow, ASheetOfMoreLabelsThanThePageHoldsIsFilledAsFarAsItGoes) {
    MainWindow& w = open();
    fillFromMemory(QStringLiteral("M1"), QStringLiteral("micro"), QStringLiteral("Brevtest MICRO"));
    PageEditor& editor = w.pageEditor();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown.first().text, SheetTexts::pageFull(270, 245));
    const ItemTable& items = editor.model().items();
    EXPECT_EQ(items.count(), 245);
    // The 245th label: row 24 (from 0), column 4; 18 × 10 mm labels 20 and 10 mm apart.
    const BarcodeItem& last = items.at(ItemTable::pageIndexes().last());
    EXPECT_NEAR(last.left, (5 + 4 * 20) * mm, 0.01);
    EXPECT_NEAR(last.top, (13.5 + 24 * 10) * mm, 0.01);
    EXPECT_NEAR(last.width, 18 * mm, 0.01);
    EXPECT_NEAR(last.height, 10 * mm, 0.01);
}

TEST_F(SheetFinderWindow, WithNothingToCopyTheUserIsTold) {
    MainWindow& w = open();
    QPointer<AlignmentWindow> a = openAlignmentWindow();
    pick(a, QStringLiteral("b65"), QStringLiteral("Brevtest B65"), "填滿標籤紙");
    waitUntilGone(a);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown.first().text, SheetTexts::nothingToFill());
    EXPECT_EQ(w.pageEditor().model().items().count(), 0);
}

} // namespace
