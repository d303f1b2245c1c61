#include "ImportWindowFixture.h"

#include "common/ScreenPixels.h"
#include "import/ImportTexts.h"
#include "platform/Timer.h"

#include <QScrollBar>

using namespace brevmark;
using namespace brevmark::test;

namespace {

QString line(const QStringList& seven) {
    QStringList fields = seven;
    while (fields.size() < 12)
        fields << QString();
    return QLatin1Char('"') + fields.join(QStringLiteral("\",\"")) + QStringLiteral("\",1\r\n");
}

TEST_F(ImportWindowTest, OpensWithFourColumnsUnderTheDefaultCaptionsAndOneRow) {
    ImportWindow& w = open();
    EXPECT_EQ(w.objectName(), QStringLiteral("匯入視窗"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("多筆條碼匯入-功能"));
    EXPECT_EQ(w.size(), QSize(798, 478)) << "the design size, 11970 x 7170 twips";
    EXPECT_EQ(shown("標題框").size(), 4);
    const ImportColumns& columns = w.model().grid().columns();
    EXPECT_EQ(columns.caption(3), QStringLiteral("自訂"));
    EXPECT_EQ(rowLabels(), (QStringList{"1"}));
    EXPECT_EQ(find("指標")->toolTip(), QStringLiteral("記錄筆數"));
    EXPECT_FALSE(find("表格功能窗")->isVisible());
    EXPECT_FALSE(find("貼上")->isVisible());
    EXPECT_FALSE(find("捲軸上下")->isVisible());
    EXPECT_TRUE(find("視窗按鈕", 1)->isVisible());
    Timer* layout = find<Timer>("排列視窗位置");
    ASSERT_NE(layout, nullptr);
    EXPECT_TRUE(layout->isActive());
    layout->fire();
    EXPECT_FALSE(layout->isActive()) << "it lays the frame out once";
}

TEST_F(ImportWindowTest, TheSevenColumnsAndCaptionsOfTheSettingsAndTheStoredSizeApply) {
    writeSettings(QStringLiteral(
        "\"標籤_數量\",\"6\"\r\n\"匯入視窗大小\",\"0 150 300 13500 8100\"\r\n"
        "\"標籤A\",\"條碼★分類★品名★自訂★自訂★自訂★產地★自訂★自訂★自訂★自訂★自訂\"\r\n"));
    ImportWindow& w = open(true);
    EXPECT_EQ(shown("標題框").size(), 7);
    EXPECT_EQ(w.model().grid().columns().caption(6), QStringLiteral("產地"));
    EXPECT_EQ(w.geometry(), QRect(10, 20, 900, 540));
}

TEST_F(ImportWindowTest, OnASmallScreenItOpensMaximisedWithoutTheMaximiseButton) {
    system.screen = QSizeF(800 * 15, 600 * 15);
    writeSettings(QStringLiteral("\"匯入視窗大小\",\"0 150 300 13500 8100\"\r\n"));
    ImportWindow& w = open();
    EXPECT_TRUE(w.isMaximized());
    EXPECT_FALSE(find("視窗按鈕", 1)->isVisible());
    EXPECT_EQ(find("關閉功能")->x(), find("視窗按鈕", 1)->x())
        << "the close button takes the maximise button's place";
}

TEST_F(ImportWindowTest, DraggingTheHandleDownFiveStepsGivesSixRowsAndBackUpKeepsTheirTexts) {
    open();
    QWidget* handle = find("指標");
    const QPointF grip(5, 5);
    const QPointF belowIt(5, 5 + 212 / 15.0); // more than 210 twips below the press point
    send(handle, QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
    for (int step = 0; step < 5; ++step)
        send(handle, QEvent::MouseMove, belowIt, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(window->hint(), import_texts::handleDragging);
    EXPECT_TRUE(find("列印底線")->isVisible()) << "the guide line shows the new range";
    send(handle, QEvent::MouseButtonRelease, belowIt, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(rowLabels(), (QStringList{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(window->model().grid().range().count(), 6);

    QLineEdit* editor = edit(5, 0);
    QTest::keyClicks(editor, QStringLiteral("F6"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(cells().text(5, 0), QStringLiteral("F6"));

    const QPointF aboveIt(5, 5 - 212 / 15.0);
    send(handle, QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
    for (int step = 0; step < 8; ++step)
        send(handle, QEvent::MouseMove, aboveIt, Qt::NoButton, Qt::LeftButton);
    send(handle, QEvent::MouseButtonRelease, aboveIt, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(rowLabels(), (QStringList{"1"}));
    EXPECT_EQ(cells().text(5, 0), QStringLiteral("F6")) << "hidden, not emptied";

    send(handle, QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
    for (int step = 0; step < 5; ++step)
        send(handle, QEvent::MouseMove, belowIt, Qt::NoButton, Qt::LeftButton);
    send(handle, QEvent::MouseButtonRelease, belowIt, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(rowLabels().size(), 6);
    hover(find("新增載入區"), cellPoint(5, 0));
    EXPECT_EQ(find("待輸入框")->geometry(), screen::rect(window->model().grid().cellFrame(5, 0)));
}

TEST_F(ImportWindowTest, ArrowKeysMoveTheCaretInsideATextAndTheCellAtItsEdges) {
    open();
    window->model().grid().range().setRange(2);
    window->grid()->applyRange();
    QLineEdit* editor = edit(0, 1);
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(window->hint(), import_texts::editorOpen);
    QTest::keyClicks(editor, QStringLiteral("abcd"));
    EXPECT_EQ(cells().text(0, 1), QStringLiteral("abcd")) << "every change goes to the cell";
    QTest::keyClick(editor, Qt::Key_Left);
    QTest::keyClick(editor, Qt::Key_Left);
    QTest::keyClick(editor, Qt::Key_Right);
    EXPECT_EQ(editor->cursorPosition(), 3) << "the caret moves, not the cell";
    EXPECT_EQ(window->model().grid().currentColumn(), 1);
    QTest::keyClick(editor, Qt::Key_Right);
    QTest::keyClick(editor, Qt::Key_Right);
    EXPECT_EQ(window->model().grid().currentColumn(), 2) << "after the last character";
    EXPECT_EQ(editor->x(), screen::pixels(window->model().grid().columns().left(2)));
    QTest::keyClick(editor, Qt::Key_Down);
    EXPECT_EQ(window->model().grid().currentRow(), 1);
    QTest::keyClick(editor, Qt::Key_Down);
    EXPECT_EQ(window->model().grid().currentRow(), 1) << "the last row of the range";

    editor = edit(0, 3);
    QTest::keyClicks(editor, QStringLiteral("zz"));
    QTest::keyClick(editor, Qt::Key_Right);
    EXPECT_EQ(window->model().grid().currentColumn(), 3) << "the last column";
    EXPECT_EQ(editor->text(), QStringLiteral("zz"));
    QTest::keyClick(editor, Qt::Key_Delete);
    EXPECT_EQ(cells().text(0, 3), QString()) << "Delete empties the text and the cell";
    QTest::keyClicks(editor, QStringLiteral("kept"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(cells().text(0, 3), QStringLiteral("kept"));
}

TEST_F(ImportWindowTest, TheEditorTakesThirtyCharactersAndLoadingItWritesNothing) {
    open();
    window->model().grid().cells().setText(0, 2, QStringLiteral("loaded"));
    QLineEdit* editor = edit(0, 2);
    EXPECT_EQ(editor->text(), QStringLiteral("loaded"));
    EXPECT_EQ(editor->selectedText(), QStringLiteral("loaded"));
    QTest::keyClicks(editor, QString(40, QLatin1Char('x')));
    EXPECT_EQ(cells().text(0, 2), QString(30, QLatin1Char('x')));
}

TEST_F(ImportWindowTest, DoubleClickingAHeaderFitsItsWidestTextButNeverBelowItsCaption) {
    ImportWindow& w = open();
    const ImportColumns& columns = w.model().grid().columns();
    w.model().grid().cells().setText(0, 1, QStringLiteral("a"));
    QWidget* header = find("標題框", 1);
    const int before = header->width();
    const double widthBefore = columns.width(1);
    QTest::mouseDClick(header, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(columns.width(1), widthBefore) << "cells shorter than the caption";
    EXPECT_EQ(header->width(), before);

    w.model().grid().cells().setText(0, 1, QStringLiteral("一二三四五六七八九十一二"));
    const int nextLeft = find("標題框", 2)->x();
    QTest::mouseDClick(header, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_GT(columns.width(1), widthBefore);
    EXPECT_GT(find("標題框", 2)->x(), nextLeft) << "later headers move along";
}

TEST_F(ImportWindowTest, DraggingAHeadersRightEdgeWidensIt) {
    ImportWindow& w = open();
    QWidget* header = find("標題框", 0);
    const QPointF edge(header->width() - 3, 10);
    hover(header, edge);
    EXPECT_EQ(w.hint(), import_texts::headerSizing);
    EXPECT_EQ(header->cursor().shape(), Qt::SizeHorCursor);
    send(header, QEvent::MouseButtonPress, edge, Qt::LeftButton, Qt::LeftButton);
    send(header, QEvent::MouseMove, edge + QPointF(40, 0), Qt::NoButton, Qt::LeftButton);
    send(header, QEvent::MouseButtonRelease, edge + QPointF(40, 0), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(header->width(), screen::pixels(w.model().grid().columns().width(0)));
    EXPECT_EQ(w.model().grid().columns().width(0), (edge.x() + 40) * 15);
    EXPECT_EQ(find("標題框", 1)->x(), header->x() + header->width() + 1);
    hover(header, QPointF(5, 10));
    EXPECT_EQ(w.hint(), import_texts::headerHover);
}

TEST_F(ImportWindowTest, TheTableFunctionPanelOffersTheItemsOfItsRules) {
    open();
    click(find("數字底", 0), QPointF(5, 5), Qt::RightButton);
    QWidget* panel = find("表格功能窗");
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->property("tag").toInt(), 0);
    EXPECT_EQ(find("待輸入框")->property("tag").toString(), QStringLiteral("寬"));
    QList<int> offered;
    for (QWidget* item : shown("表功能圖"))
        offered << item->property("index").toInt();
    EXPECT_EQ(offered, (QList<int>{2})) << "one row: only clearing it";

    // The bar answers by x bands: item 2 lies over (765, 1170].
    QWidget* bar = find("表格功能圖");
    hover(bar, QPointF(1000 / 15.0, 10));
    EXPECT_EQ(window->hint(), QStringLiteral("清除 整行資料內容"));
    EXPECT_EQ(find("表功能圖", 2)->x(), screen::pixels(765));
    hover(bar, QPointF(1300 / 15.0, 10));
    EXPECT_NE(find("表功能圖", 2)->x(), screen::pixels(765)) << "parked again";

    click(find("標題框", 0), QPointF(10, 10), Qt::RightButton);
    offered.clear();
    for (QWidget* item : shown("表功能圖"))
        offered << item->property("index").toInt();
    EXPECT_EQ(offered, (QList<int>{2, 6})) << "the first column: clear, move right";
    EXPECT_EQ(find("待輸入框")->property("tag").toString(), QStringLiteral("高"));
}

TEST_F(ImportWindowTest, AReleaseOnAnItemPerformsItOnItsRow) {
    open();
    ImportGrid& grid = window->model().grid();
    grid.range().setRange(3);
    window->grid()->applyRange();
    for (int r = 0; r < 3; ++r)
        grid.cells().setText(r, 0, QStringLiteral("R%1").arg(r + 1));
    click(find("數字底", 1), QPointF(5, 5), Qt::RightButton);
    click(find("表格功能圖"), QPointF(600 / 15.0, 10)); // item 1, delete the row
    EXPECT_FALSE(find("表格功能窗")->isVisible());
    EXPECT_EQ(rowLabels(), (QStringList{"1", "2"}));
    EXPECT_EQ(cells().text(1, 0), QStringLiteral("R3"));
    EXPECT_EQ(cells().text(2, 0), QString());
}

TEST_F(ImportWindowTest, ARightClickOnACellOffersThePasteThere) {
    open();
    clipboard.setText(QStringLiteral("  蘋果\t紅\n"));
    QWidget* area = find("新增載入區");
    click(area, cellPoint(0, 2), Qt::RightButton);
    QWidget* popup = find("貼上");
    ASSERT_TRUE(popup->isVisible());
    hover(popup, QPointF(10, 10));
    EXPECT_EQ(window->hint(), import_texts::pasteHover);
    click(popup, QPointF(10, 10));
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(cells().text(0, 2), QStringLiteral("蘋果"));
    EXPECT_EQ(cells().text(0, 3), QStringLiteral("紅"));
}

TEST_F(ImportWindowTest, ClearAllEmptiesTheGridWithABeep) {
    open();
    window->model().grid().cells().setText(0, 0, QStringLiteral("x"));
    QWidget* corner = find("全選圖");
    hover(corner, QPointF(5, 5));
    EXPECT_EQ(window->hint(), import_texts::clearAllHover);
    click(corner, QPointF(5, 5));
    EXPECT_EQ(cells().text(0, 0), QString());
    EXPECT_EQ(system.beeps, 1);
}

TEST_F(ImportWindowTest, ImportAndSaveFromTheToolbarAppendTheRowsAndEmptyTheGrid) {
    open();
    clipboard.setText(
        QStringLiteral("條碼\t種類\t名稱\nA1\t水果\t蘋果\nA2\t水果\t梨\nA3\t文具\t筆\n"));
    clickToolbar("記憶匯入");
    EXPECT_EQ(rowLabels(), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(cells().text(2, 2), QStringLiteral("筆"));
    clickToolbar("儲存多筆資料");
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(records(), pythonCp950(line({"A1", "水果", "蘋果"}) + line({"A2", "水果", "梨"}) +
                                     line({"A3", "文具", "筆"})));
    EXPECT_EQ(notices, (QList<int>{1}));
    EXPECT_EQ(cells().text(0, 0), QString());
    EXPECT_EQ(rowLabels().size(), 3) << "the range stays";
}

TEST_F(ImportWindowTest, ASaveStoppedByARowFramesItsCell) {
    open();
    clipboard.setText(QStringLiteral("條碼\t種類\nA1\tx\nA2\tx\n\tx\nA4\tx\n"));
    clickToolbar("記憶匯入");
    clickToolbar("儲存多筆資料");
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("表格中的：第3筆【條碼必須輸入】"));
    QWidget* frame = find("待輸入框");
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->geometry(), screen::rect(window->model().grid().cellFrame(2, 0)));
    EXPECT_TRUE(records().isEmpty());
    EXPECT_EQ(cells().text(3, 0), QStringLiteral("A4"));
}

TEST_F(ImportWindowTest, ManyRowsBringTheScrollBars) {
    open();
    QString text = QStringLiteral("條碼\t種類\n");
    for (int i = 0; i < 150; ++i)
        text += QStringLiteral("B%1\tk\n").arg(i);
    clipboard.setText(text);
    clickToolbar("記憶匯入");
    auto* vertical = find<QScrollBar>("捲軸上下");
    ASSERT_TRUE(vertical->isVisible());
    EXPECT_GT(vertical->maximum(), 100);
    vertical->setValue(10);
    EXPECT_EQ(find("新增載入區")->y(), screen::pixels(300 - 2400));
    EXPECT_EQ(find("標題窗")->y(), 0) << "the captions stay in view";
}

TEST_F(ImportWindowTest, ClosingStoresTheSizeAndSaysSo) {
    ImportWindow& w = open();
    w.move(30, 45);
    bool closed = false;
    QObject::connect(&w, &ImportWindow::closed, [&closed] { closed = true; });
    click(find("關閉功能"), QPointF(5, 5));
    EXPECT_TRUE(closed);
    EXPECT_EQ(settings.value(QStringLiteral("匯入視窗大小")),
              QStringLiteral("0 450 675 11970 7170"));
}

TEST_F(ImportWindowTest, TheBackgroundMovesTheWindowAndItsCornerResizesIt) {
    ImportWindow& w = open();
    const QPoint start = w.pos();
    send(&w, QEvent::MouseButtonPress, QPointF(400, 470), Qt::LeftButton, Qt::LeftButton);
    send(&w, QEvent::MouseMove, QPointF(410, 475), Qt::NoButton, Qt::LeftButton);
    send(&w, QEvent::MouseButtonRelease, QPointF(410, 475), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(w.pos(), start + QPoint(10, 5));

    hover(&w, QPointF(w.width() - 5, w.height() - 5));
    EXPECT_EQ(w.pointer(), ImportWindow::Pointer::SizeNwSe);
    EXPECT_EQ(w.hint(), import_texts::windowMove) << "the hint follows the pointer it had";
    const QPointF corner(w.width() - 5, w.height() - 5);
    send(&w, QEvent::MouseButtonPress, corner, Qt::LeftButton, Qt::LeftButton);
    send(&w, QEvent::MouseMove, corner + QPointF(100, 60), Qt::NoButton, Qt::LeftButton);
    send(&w, QEvent::MouseButtonRelease, corner + QPointF(100, 60), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(w.size(), QSize(898, 538));
    EXPECT_EQ(find("新增載入窗")->width(), 898 - 12);
}

} // namespace
