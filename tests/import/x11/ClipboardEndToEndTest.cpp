// The whole program on a real X server: a spreadsheet's cells are copied as LibreOffice Calc
// copies them (tab-separated, LF line ends, a final LF), here with xclip; the user opens the
// record manager, its bulk import window, imports, saves, closes it, and finds the records
// listed in the manager and stored in the record file. Skips only when Xvfb or xclip is missing
// (scripts/install-deps.sh installs both).
#include "DesktopSession.h"
#include "ShellDoubles.h"
#include "XSelection.h"

#include "import/ui/ImportWindow.h"
#include "manager/ui/RecordManagerWindow.h"
#include "records/BarcodeRecordFile.h"
#include "shell/RecordsBridge.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace brevmark;
using namespace brevmark::test;

namespace {

QString line(const QStringList& seven) {
    QStringList fields = seven;
    while (fields.size() < 12)
        fields << QString();
    return QLatin1Char('"') + fields.join(QStringLiteral("\",\"")) + QStringLiteral("\",1\r\n");
}

class XClipboard : public ::testing::Test, protected ShellFixture {
protected:
    QTemporaryDir work;

    void SetUp() override {
        QString missing = desktopMissing();
        if (missing.isEmpty())
            missing = x_selection::missing();
        if (!missing.isEmpty())
            GTEST_SKIP() << "skipped: " << missing.toStdString();
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    }

    MainWindow& open() { return startShown(QStringLiteral("1 0 100 100 12090 7470")); }
    static QWidget* child(QWidget* root, const char* name) {
        return root->findChild<QWidget*>(QString::fromUtf8(name));
    }
    static void moveOver(QWidget* w, QPointF at) {
        QMouseEvent e(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    // The main window's toolbar button 記錄 opens the record manager.
    RecordManagerWindow* openManager(MainWindow& w) {
        moveOver(&w, QPointF(4800 / 15.0, 240 / 15.0));
        QWidget* button = child(&w, "條碼管理");
        EXPECT_EQ(button->y(), 0);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 16));
        RecordManagerWindow* manager = w.records().manager();
        if (manager)
            EXPECT_TRUE(QTest::qWaitForWindowExposed(manager));
        return manager;
    }
    ImportWindow* openImport(RecordManagerWindow* manager) {
        QTest::mouseClick(manager->findChild<QPushButton*>(QStringLiteral("多筆按鈕")),
                          Qt::LeftButton);
        auto* import = manager->findChild<ImportWindow*>(QStringLiteral("匯入視窗"));
        if (import)
            EXPECT_TRUE(QTest::qWaitForWindowExposed(import));
        return import;
    }
    static void clickToolbar(ImportWindow* w, const char* name) {
        QWidget* button = child(w, name);
        moveOver(w, QPointF(button->x() + 20, 18));
        EXPECT_EQ(button->y(), 0) << name;
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 18));
    }
    static QStringList listed(RecordManagerWindow* manager) {
        QStringList lines;
        auto* list = manager->findChild<QListWidget*>(QStringLiteral("歷史清單"));
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text().trimmed();
        return lines;
    }
};

TEST_F(XClipboard, CellsCopiedFromASpreadsheetBecomeRecordsListedInTheManager) {
    MainWindow& w = open();
    const QString copied = QStringLiteral("條碼\t種類\t名稱\t自訂\n"
                                          "X11-001\t水果\t蘋果\t紅\n"
                                          "X11-002\t文具\t 原子筆\t\n"
                                          "X11-003\t\t\t\n");
    ASSERT_TRUE(x_selection::copy(copied.toUtf8()));
    QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->text(), copied, 5000);

    QPointer<RecordManagerWindow> manager = openManager(w);
    ASSERT_TRUE(manager);
    QPointer<ImportWindow> import = openImport(manager);
    ASSERT_TRUE(import);
    EXPECT_FALSE(manager->isVisible());
    EXPECT_FALSE(w.isVisible());

    clickToolbar(import, "記憶匯入");
    const CellTable& cells = import->model().grid().cells();
    EXPECT_EQ(import->model().grid().range().count(), 3);
    EXPECT_EQ(cells.text(1, 2), QStringLiteral(" 原子筆"));
    // The last row has no category: the save stops there and writes nothing.
    clickToolbar(import, "儲存多筆資料");
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("表格中的：第3筆【種類必須輸入】"));
    EXPECT_TRUE(folder.readRecordsFile(BarcodeRecordFile::fileName()).isEmpty());

    // The handle drops the incomplete row; the save goes through.
    QWidget* handle = child(import, "指標");
    const QPointF grip(5, 5);
    const QPointF aboveIt(5, 5 - 212 / 15.0);
    QMouseEvent press(QEvent::MouseButtonPress, grip, handle->mapToGlobal(grip), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &press);
    QMouseEvent drag(QEvent::MouseMove, aboveIt, handle->mapToGlobal(aboveIt), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &drag);
    QMouseEvent release(QEvent::MouseButtonRelease, aboveIt, handle->mapToGlobal(aboveIt),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &release);
    EXPECT_EQ(import->model().grid().range().count(), 2);
    clickToolbar(import, "儲存多筆資料");
    EXPECT_EQ(messages.shown.size(), 1) << "no further message";
    EXPECT_EQ(
        folder.readRecordsFile(BarcodeRecordFile::fileName()),
        pythonCp950(line({"X11-001", "水果", "蘋果", "紅"}) + line({"X11-002", "文具", "原子筆"})));

    QTest::mouseClick(child(import, "關閉功能"), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(manager->isVisible());
    EXPECT_FALSE(w.isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(listed(manager).size(), 3, 5000);
    const QStringList lines = listed(manager);
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("X11-002"))) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("X11-001"))) << lines[2].toStdString();
    manager->close();
    EXPECT_TRUE(w.isVisible());
}

TEST_F(XClipboard, APictureOnTheClipboardReadsAsNothingToImport) {
    MainWindow& w = open();
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString file = work.filePath(QStringLiteral("picture.png"));
    ASSERT_TRUE(picture.save(file));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    ASSERT_TRUE(
        x_selection::copy(f.readAll(), QStringLiteral("clipboard"), QStringLiteral("image/png")));
    QTRY_VERIFY_WITH_TIMEOUT(QGuiApplication::clipboard()->mimeData()->hasImage(), 5000);

    QPointer<RecordManagerWindow> manager = openManager(w);
    ASSERT_TRUE(manager);
    QPointer<ImportWindow> import = openImport(manager);
    ASSERT_TRUE(import);
    clickToolbar(import, "記憶匯入");
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("EXCEL 匯入資料太少，無法進行，請多複製幾行後進行匯入"));
    import->close();
    manager->close();
}

} // namespace
