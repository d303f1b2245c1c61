// The record manager as the user sees it after a change: the list shows its top (the header and
// the newest record) after every full read, and the barcode preview follows the barcode field,
// on screen and when copied as a picture.
#include "DesktopProgram.h"

#include "manager/ui/RecordManagerWindow.h"
#include "platform/qt/PictureControl.h"
#include "records/BarcodeRecordFile.h"
#include "support/PrintedPageReader.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace brevmark;
using namespace brevmark::test;

namespace {

// Records R-001 to R-<count>, with names and origins long enough to scroll the list sideways.
QString recordLines(int count) {
    const QString name = QStringLiteral("很長的商品名稱").repeated(6);
    const QString origin = QStringLiteral("產地與說明").repeated(8);
    QString text;
    for (int i = 1; i <= count; ++i)
        text += QStringLiteral("\"R-%1\",\"水果\",\"%2\",\"%3\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",1\r\n")
                    .arg(i, 3, 10, QLatin1Char('0'))
                    .arg(name, origin);
    return text;
}

class RecordManagerView : public DesktopProgram {
protected:
    QPointer<RecordManagerWindow> manager;
    QListWidget* list = nullptr;

    // The manager over a record file of `count` records, its settings as given, its list read.
    void openOn(int count, const QString& settings = QString()) {
        writeSettings(professional() + settings);
        folder.writeRecordsFile(BarcodeRecordFile::fileName(), pythonCp950(recordLines(count)));
        open(QString());
        manager = openManager();
        ASSERT_TRUE(manager);
        list = child<QListWidget>(manager, "歷史清單");
        QTRY_COMPARE_WITH_TIMEOUT(list->count(), count + 1, 5000);
    }
    QLineEdit* field(int k) const {
        for (auto* e : manager->findChildren<QLineEdit*>(QStringLiteral("資料")))
            if (e->property("index").toInt() == k)
                return e;
        return nullptr;
    }
    void press(const char* name) {
        auto* button = child<QPushButton>(manager, name);
        ASSERT_TRUE(button && button->isVisible()) << name;
        user_input::click(button, button->rect().center());
    }
    // The line of a record clicked, as the user picks it.
    void pick(int line) {
        list->scrollToItem(list->item(line));
        user_input::click(list->viewport(), list->visualItemRect(list->item(line)).center());
        ASSERT_EQ(list->currentRow(), line);
    }
    void scrollAway() {
        user_input::wheel(list->viewport(), QPoint(100, 100), 30);
        list->horizontalScrollBar()->setValue(list->horizontalScrollBar()->maximum());
        user_input::settle();
        ASSERT_GT(list->verticalScrollBar()->value(), 0);
        ASSERT_GT(list->horizontalScrollBar()->value(), 0);
    }
    bool showsTop() const {
        const QRect shown = list->viewport()->rect();
        return list->verticalScrollBar()->value() == 0 &&
               list->horizontalScrollBar()->value() == 0 &&
               shown.contains(list->visualItemRect(list->item(0)).topLeft()) &&
               shown.contains(list->visualItemRect(list->item(1)).bottomLeft());
    }
};

// What the user does that rewrites or rereads the file.
enum class Change { Add, Change, Delete, Restore };

struct ListChange {
    const char* name;
    Change change;
    int lines; // list lines after the change (the header included)
    const char* newest;
};

void PrintTo(const ListChange& change, std::ostream* out) {
    *out << change.name;
}

class ListAfterAFullRead : public RecordManagerView,
                           public ::testing::WithParamInterface<ListChange> {};

TEST_P(ListAfterAFullRead, ShowsTheHeaderAndTheNewestRecord) {
    const ListChange& row = GetParam();
    openOn(60);
    scrollAway();
    switch (row.change) {
    case Change::Add:
        user_input::click(field(0), QPoint(10, 10));
        user_input::type(QStringLiteral("NEW-1"));
        user_input::click(field(1), QPoint(10, 10));
        user_input::type(QStringLiteral("k"));
        scrollAway();
        press("新增條碼");
        break;
    case Change::Change:
        pick(list->count() - 1);
        press("點選修改");
        user_input::click(field(2), QPoint(10, 10));
        user_input::type(QStringLiteral("x"));
        scrollAway();
        press("修改條碼");
        break;
    case Change::Delete:
        pick(list->count() - 1);
        press("點選刪除");
        break;
    case Change::Restore:
        press("恢復預設");
        break;
    }
    QTRY_COMPARE_WITH_TIMEOUT(list->count(), row.lines, 5000);
    EXPECT_TRUE(list->item(1)->text().startsWith(QString::fromUtf8(row.newest)))
        << list->item(1)->text().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([this] { return showsTop(); }, 3000))
        << "scrolled to " << list->verticalScrollBar()->value() << ", "
        << list->horizontalScrollBar()->value();
}

const ListChange changes[] = {
    {"Add", Change::Add, 62, "NEW-1"},
    {"Change", Change::Change, 61, "R-060"},
    {"Delete", Change::Delete, 60, "R-060"},
    {"Restore", Change::Restore, 61, "R-060"},
};

INSTANTIATE_TEST_SUITE_P(Changes, ListAfterAFullRead, ::testing::ValuesIn(changes),
                         [](const ::testing::TestParamInfo<ListChange>& info) {
                             return std::string(info.param.name);
                         });

// The symbols both decoders read in a picture, on a white margin as a page would give it.
QStringList readSymbols(const QImage& picture, const QString& folder) {
    QImage page(picture.width() + 80, picture.height() + 80, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter(&page).drawImage(40, 40, picture);
    const QString file = folder + QStringLiteral("/preview.png");
    page.save(file);
    const QStringList zbar = printed::zbarTexts(file);
    EXPECT_EQ(zbar, printed::zxingTexts(file)) << "the two decoders disagree";
    return zbar;
}

using Preview = RecordManagerView;

TEST_F(Preview, FollowsABarcodeTypedWhileAnOlderOneIsShown) {
    if (const QString missing = printed::missingTools(); !missing.isEmpty())
        GTEST_SKIP() << "skipped: " << missing.toStdString();
    QTemporaryDir work;
    openOn(3, QStringLiteral("\"條碼管理_預覽\",\"1\"\r\n"));
    auto* preview = child<PictureControl>(manager, "預覽圖");
    auto* show = child<QWidget>(manager, "顯示條碼");
    ASSERT_TRUE(preview && show);
    pick(1);
    ASSERT_TRUE(preview->isVisible());
    EXPECT_EQ(readSymbols(preview->picture(), work.path()), QStringList{"R-003"});

    // A new barcode typed over the selected one; the pointer over 顯示條碼 shows it.
    user_input::click(field(0), QPoint(10, 10));
    user_input::key(QStringLiteral("ctrl+a"));
    user_input::type(QStringLiteral("NEW-42"));
    user_input::moveTo(show, show->rect().center());
    ASSERT_TRUE(preview->isVisible());
    EXPECT_EQ(readSymbols(preview->picture(), work.path()), QStringList{"NEW-42"});

    // A double-click copies the picture shown: another program pasting gets the new barcode.
    user_input::click(preview, preview->rect().center(), Qt::LeftButton, 2);
    EXPECT_EQ(boxes.titles(), QStringList{QStringLiteral("完成提示")});
    const QImage copied = QImage::fromData(x_selection::paste(QStringLiteral("clipboard"),
                                                               QStringLiteral("image/png")));
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(readSymbols(copied, work.path()), QStringList{"NEW-42"});
}

TEST_F(Preview, ATypedBarcodeIsNotCopiedAsTheOlderPicture) {
    if (const QString missing = printed::missingTools(); !missing.isEmpty())
        GTEST_SKIP() << "skipped: " << missing.toStdString();
    QTemporaryDir work;
    openOn(3, QStringLiteral("\"條碼管理_預覽\",\"1\"\r\n"));
    auto* preview = child<PictureControl>(manager, "預覽圖");
    pick(1);
    ASSERT_TRUE(preview->isVisible());
    // Typed, and the preview double-clicked straight away: what is copied (if anything is
    // still shown to copy) is the barcode in the field, never the older picture.
    user_input::click(field(0), QPoint(10, 10));
    user_input::key(QStringLiteral("ctrl+a"));
    user_input::type(QStringLiteral("NEW-7"));
    if (preview->isVisible()) {
        user_input::click(preview, preview->rect().center(), Qt::LeftButton, 2);
        const QImage copied = QImage::fromData(x_selection::paste(QStringLiteral("clipboard"),
                                                                   QStringLiteral("image/png")));
        ASSERT_FALSE(copied.isNull());
        EXPECT_EQ(readSymbols(copied, work.path()), QStringList{"NEW-7"});
    } else {
        EXPECT_TRUE(boxes.boxes().isEmpty());
    }
}

} // namespace
