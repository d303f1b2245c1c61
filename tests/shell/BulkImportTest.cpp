// The bulk import window as the record manager opens it in the running program: the manager
// makes way for it, the main window stays hidden behind both, and closing it brings the manager
// back with the records just saved.
#include "ShellDoubles.h"

#include "import/ui/ImportWindow.h"
#include "manager/ui/RecordManagerWindow.h"
#include "platform/Timer.h"
#include "prompt/PromptWindow.h"
#include "records/BarcodeRecordFile.h"
#include "shell/RecordsBridge.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace brevmark;

namespace {

class BulkImportFromTheManager : public ::testing::Test, protected test::ShellFixture {
protected:
    MainWindow& open() { return startShown(QStringLiteral("1 0 100 100 12090 7470")); }
    static QWidget* child(QWidget* root, const char* name) {
        return root->findChild<QWidget*>(QString::fromUtf8(name));
    }
    static void sendMouse(QWidget* w, QEvent::Type type, QPointF at, Qt::MouseButton button,
                          Qt::MouseButtons buttons) {
        QMouseEvent e(type, at, w->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    // A toolbar button of the import window shows while the pointer is in its band.
    static void clickToolbar(ImportWindow* w, const char* name) {
        QWidget* button = child(w, name);
        sendMouse(w, QEvent::MouseMove, QPointF(button->x() + 20, 18), Qt::NoButton, Qt::NoButton);
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

TEST_F(BulkImportFromTheManager, RecordsSavedInTheImportWindowAreListedWhenItCloses) {
    MainWindow& w = open();
    emit w.toolbarActivated(ToolbarCommand::Records);
    QPointer<RecordManagerWindow> manager = w.records().manager();
    ASSERT_TRUE(manager);
    manager->findChild<Timer*>(QStringLiteral("讀條碼檔"))->fire();

    QTest::mouseClick(manager->findChild<QPushButton*>(QStringLiteral("多筆按鈕")), Qt::LeftButton);
    QPointer<ImportWindow> import = manager->findChild<ImportWindow*>(QStringLiteral("匯入視窗"));
    ASSERT_TRUE(import);
    EXPECT_TRUE(import->isVisible());
    EXPECT_FALSE(manager->isVisible()) << "the manager makes way";
    EXPECT_FALSE(w.isVisible()) << "the main window stays hidden behind both";

    QGuiApplication::clipboard()->setText(
        QStringLiteral("條碼\t種類\t名稱\nIMP-1\t水果\t蘋果\nIMP-2\t水果\t香蕉\n"));
    clickToolbar(import, "記憶匯入");
    clickToolbar(import, "儲存多筆資料");
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(w.prompt().tag(), QStringLiteral("1")) << "notice 1 after the save";

    QTest::mouseClick(child(import, "關閉功能"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(manager->isVisible());
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(w.settings().contains(QStringLiteral("匯入視窗大小")));
    Timer* read = manager->findChild<Timer*>(QStringLiteral("讀條碼檔"));
    ASSERT_TRUE(read->isActive()) << "the manager reads the file again";
    read->fire();
    const QStringList lines = listed(manager);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("IMP-2"))) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("IMP-1"))) << lines[2].toStdString();

    // A second opening is a new, empty window.
    QTest::mouseClick(manager->findChild<QPushButton*>(QStringLiteral("多筆按鈕")), Qt::LeftButton);
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(import.isNull()) << "the closed window is gone";
    import = manager->findChild<ImportWindow*>(QStringLiteral("匯入視窗"));
    ASSERT_TRUE(import);
    EXPECT_TRUE(import->model().grid().cells().text(0, 0).isEmpty());
    import->close();

    manager->close();
    EXPECT_TRUE(w.isVisible()) << "closing the manager brings the main window back";
}

} // namespace
