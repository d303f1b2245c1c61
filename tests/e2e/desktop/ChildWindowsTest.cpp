// No message box and no child window ends the program. The windows that make way for a child
// (the main window for the settings, the record manager and the alignment window; the record
// manager for the bulk import) are hidden while it is open, so a box of the child, or the child
// itself, can be the last window that closes: the program must go on with what the user had.
// Every box here is a real QMessageBox answered with the real pointer, inside the event loop the
// program runs.
#include "DesktopProgram.h"

#include "import/ImportTexts.h"
#include "import/ui/ImportWindow.h"
#include "manager/ui/RecordManagerWindow.h"
#include "records/BarcodeRecordFile.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace brevmark;
using namespace brevmark::test;

namespace {

QString records(const QStringList& barcodes) {
    QString text;
    for (const QString& barcode : barcodes)
        text += QStringLiteral("\"%1\",\"水果\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",1\r\n")
                    .arg(barcode);
    return text;
}

QString spreadsheet(int rows, const QString& prefix = QStringLiteral("R")) {
    QString text = QStringLiteral("條碼\t種類\n");
    for (int i = 1; i <= rows; ++i)
        text += prefix + QString::number(i) + QStringLiteral("\t水果\n");
    return text;
}

// What the user does in the bulk import window once the cells are on the clipboard.
enum class Command { Import, ImportAndSave, Paste };

struct ImportBox {
    const char* name;
    QString copied;
    Command command;
    QString title;
    QString text;
};

const ImportBox importBoxes[] = {
    {"ImportOfMoreThan150Rows", spreadsheet(151), Command::Import, import_texts::excessTitle,
     import_texts::importExcess},
    {"ImportOfOneLine", QStringLiteral("條碼\t種類"), Command::Import, import_texts::errorTitle,
     import_texts::importTooLittle},
    {"ImportOfNoSpreadsheet", QStringLiteral("條碼 種類\nA1 水果\n"), Command::Import,
     import_texts::errorTitle, import_texts::importNotSpreadsheet},
    {"SaveWithoutABarcode", QStringLiteral("條碼\t種類\n\t水果\n"), Command::ImportAndSave,
     import_texts::errorTitle, import_texts::barcodeMissing(1)},
    {"SaveWithoutACategory", QStringLiteral("條碼\t種類\nA1\t\n"), Command::ImportAndSave,
     import_texts::errorTitle, import_texts::fieldMissing(1, QStringLiteral("種類"))},
    {"SaveOfTextBig5CannotHold", QStringLiteral("條碼\t種類\nA1\t简体\n"), Command::ImportAndSave,
     import_texts::unencodableTitle, {}},
    {"PasteOfSpaces", QStringLiteral("   "), Command::Paste, import_texts::errorTitle,
     import_texts::pasteTooLittle},
    {"PasteOfMoreThan150Lines", spreadsheet(200), Command::Paste, import_texts::excessTitle,
     import_texts::pasteExcess},
};

using ChildWindows = DesktopProgram;

// The paste pop-up at the grid's first cell, as a right-click there opens it.
void pasteAtFirstCell(ImportWindow* import) {
    QWidget* grid = import->findChild<QWidget*>(QStringLiteral("新增載入區"));
    user_input::moveTo(grid, QPoint(60, 7));
    user_input::click(grid, QPoint(60, 7), Qt::RightButton);
    QWidget* popup = import->findChild<QWidget*>(QStringLiteral("貼上"));
    ASSERT_TRUE(popup && popup->isVisible());
    user_input::click(popup, popup->rect().center());
}

TEST_F(ChildWindows, EveryBoxOfTheBulkImportWindowLeavesTheProgramAndTheWindowAsTheyWere) {
    MainWindow& w = open();
    QPointer<RecordManagerWindow> manager;
    QPointer<ImportWindow> import;
    ASSERT_TRUE(openBulkImport(manager, import));
    for (const ImportBox& row : importBoxes) {
        SCOPED_TRACE(row.name);
        boxes.clear();
        ASSERT_TRUE(x_selection::copy(row.copied.toUtf8()));
        QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->text(), row.copied, 5000);
        const bool running = stepsKeepTheProgramRunning([&] {
            if (row.command == Command::Paste) {
                pasteAtFirstCell(import);
                return;
            }
            clickImportToolbar(import, "記憶匯入");
            if (row.command == Command::ImportAndSave)
                clickImportToolbar(import, "儲存多筆資料");
        });
        EXPECT_TRUE(running) << "closing the box ended the program";
        EXPECT_EQ(control.endings, 0);
        ASSERT_EQ(boxes.titles(), QStringList{row.title});
        if (!row.text.isEmpty())
            EXPECT_EQ(boxes.boxes()[0].text, row.text);
        ASSERT_TRUE(import);
        EXPECT_TRUE(import->isVisible());
        EXPECT_FALSE(manager->isVisible());
        EXPECT_FALSE(w.isVisible());
    }
}

TEST_F(ChildWindows, OneHundredFiftyOneRowsKeepTheirFirst150InTheGridAfterTheExcessNotice) {
    open();
    QPointer<RecordManagerWindow> manager;
    QPointer<ImportWindow> import;
    ASSERT_TRUE(openBulkImport(manager, import));
    ASSERT_TRUE(x_selection::copy(spreadsheet(151).toUtf8()));
    QTRY_VERIFY_WITH_TIMEOUT(QGuiApplication::clipboard()->text().startsWith("條碼"), 5000);

    EXPECT_TRUE(stepsKeepTheProgramRunning([&] { clickImportToolbar(import, "記憶匯入"); }));
    ASSERT_EQ(boxes.titles(), QStringList{import_texts::excessTitle});
    ASSERT_TRUE(import);
    const ImportGrid& grid = import->model().grid();
    EXPECT_EQ(grid.range().count(), 150);
    EXPECT_EQ(grid.cells().text(0, 0), QStringLiteral("R1"));
    EXPECT_EQ(grid.cells().text(149, 0), QStringLiteral("R150"));
    EXPECT_EQ(grid.cells().text(149, 1), QStringLiteral("水果"));

    // The 150 rows can then be saved, and the rest imported in a second part.
    EXPECT_TRUE(stepsKeepTheProgramRunning([&] { clickImportToolbar(import, "儲存多筆資料"); }));
    EXPECT_EQ(boxes.titles(), QStringList{import_texts::excessTitle}) << "no further box";
    const QByteArray stored = folder.readRecordsFile(BarcodeRecordFile::fileName());
    EXPECT_EQ(stored.count("\r\n"), 150);
    EXPECT_EQ(control.endings, 0);
}

TEST_F(ChildWindows, TheSettingsWindowsNoticeLeavesItOpen) {
    MainWindow& w = open();
    QPointer<QWidget> settings = openSettings();
    ASSERT_TRUE(settings);
    QRadioButton* labelPrinter = nullptr;
    for (auto* option : settings->findChildren<QRadioButton*>(QStringLiteral("印表選擇")))
        if (option->property("index").toInt() == 1)
            labelPrinter = option;
    ASSERT_NE(labelPrinter, nullptr);
    EXPECT_TRUE(stepsKeepTheProgramRunning(
        [&] { user_input::click(labelPrinter, QPoint(8, labelPrinter->height() / 2)); }));
    EXPECT_EQ(boxes.titles(), QStringList{QStringLiteral("說明提示")});
    ASSERT_TRUE(settings);
    EXPECT_TRUE(settings->isVisible());
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(control.endings, 0);
}

TEST_F(ChildWindows, TheRecordManagersBoxesLeaveItOpen) {
    writeSettings(professional());
    folder.writeRecordsFile(BarcodeRecordFile::fileName(), pythonCp950(records({"M-1"})));
    MainWindow& w = open(QString());
    QPointer<RecordManagerWindow> manager = openManager();
    ASSERT_TRUE(manager);
    auto* list = child<QListWidget>(manager, "歷史清單");
    QTRY_COMPARE_WITH_TIMEOUT(list->count(), 2, 5000);

    // The record's delete, answered No; then the list copied for a spreadsheet.
    boxes.answerNext(QStringLiteral("否"));
    EXPECT_TRUE(stepsKeepTheProgramRunning([&] {
        const QRect line = list->visualItemRect(list->item(1));
        user_input::click(list->viewport(), line.center());
        QPushButton* remove = child<QPushButton>(manager, "點選刪除");
        ASSERT_TRUE(remove && remove->isVisible());
        user_input::click(remove, remove->rect().center());
        QPushButton* copy = child<QPushButton>(manager, "轉至Excel");
        user_input::click(copy, copy->rect().center());
    }));
    EXPECT_EQ(boxes.titles(),
              (QStringList{QStringLiteral("刪除條碼"), QStringLiteral("載入完成 提示")}));
    ASSERT_TRUE(manager);
    EXPECT_TRUE(manager->isVisible());
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(list->count(), 2) << "answered No: the record stays";
    EXPECT_EQ(control.endings, 0);
}

// A child window closed by the window manager (its close button on another desktop, Alt+F4)
// brings back the window it covered, as its own close button does: the program never runs on
// with no window to show.
TEST_F(ChildWindows, ClosedByTheWindowManagerEachBringsBackTheWindowItCovered) {
    MainWindow& w = open();
    EXPECT_TRUE(stepsKeepTheProgramRunning([&] {
        QPointer<QWidget> settings = openSettings();
        ASSERT_TRUE(settings);
        user_input::closeByWindowManager(settings);
        QTRY_VERIFY_WITH_TIMEOUT(w.isVisible(), 5000);
        EXPECT_FALSE(settings && settings->isVisible());

        QPointer<QWidget> alignment = openAlignment();
        ASSERT_TRUE(alignment);
        EXPECT_FALSE(w.isVisible());
        user_input::closeByWindowManager(alignment);
        QTRY_VERIFY_WITH_TIMEOUT(w.isVisible(), 5000);

        QPointer<RecordManagerWindow> manager;
        QPointer<ImportWindow> import;
        ASSERT_TRUE(openBulkImport(manager, import));
        user_input::closeByWindowManager(import);
        QTRY_VERIFY_WITH_TIMEOUT(manager && manager->isVisible(), 5000);
        EXPECT_FALSE(w.isVisible());
        user_input::closeByWindowManager(manager);
        QTRY_VERIFY_WITH_TIMEOUT(w.isVisible(), 5000);
    }));
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(control.endings, 0);
}

} // namespace
