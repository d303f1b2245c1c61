// The record manager of the whole program on an X server with a window manager, with its real
// message boxes answered by mouse clicks: record files as shops and offices keep them. A file of
// 40,000 records, whose last record is found and deleted alone; a record with a name of 500,000
// characters; two program folders sharing one 記錄資料, where another desk changes the file
// between the list and a delete; files ending in bytes a cut-short write left behind; a caption
// that code page 950 cannot hold. Skips when Xvfb or openbox is missing (scripts/install-deps.sh
// installs both).
#include "DesktopSession.h"
#include "MessageBoxReader.h"
#include "ShellDoubles.h"

#include "manager/ui/RecordManagerWindow.h"
#include "platform/SingleInstance.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/Timer.h"
#include "records/BarcodeRecordFile.h"
#include "records/RecordFileTexts.h"
#include "records/SettingsStore.h"
#include "records/ShownText.h"
#include "shell/RecordsBridge.h"
#include "support/FixtureScript.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace brevmark;
using namespace brevmark::test;

namespace {

const QString fixture = QStringLiteral("tests/manager/x11/fixtures/record_files.py");

// Waits, letting the program run, until the condition holds; false when it never did.
template <typename Condition> bool soon(Condition condition, int milliseconds = 15000) {
    return QTest::qWaitFor(condition, milliseconds);
}

class RecordFilesOnScreen : public ::testing::Test {
protected:
    TempStateFolder state;
    TempDataFolder folder{false};
    LocalFileSystem files;
    QtMessageBoxes messageBoxes;
    MessageBoxReader boxes;
    FakeSystemServices system = shellSystem();
    RecordingControl control;
    std::unique_ptr<MainWindow> window;

    void SetUp() override {
        if (!desktopMissing().isEmpty())
            GTEST_SKIP() << "skipped: " << desktopMissing().toStdString();
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
        QDir().mkpath(folder.location().recordsFolder());
    }
    void TearDown() override { window.reset(); }

    QString recordFile() const { return folder.recordsFile(BarcodeRecordFile::fileName()); }
    void writeRecords(const QStringList& arguments) {
        runFixtureScript(fixture, QStringList{recordFile()} + arguments);
    }
    QByteArray records() const { return folder.readRecordsFile(BarcodeRecordFile::fileName()); }

    // The program on this program folder (or another that shares its records), in the
    // professional layout.
    MainWindow& open(const DataLocation& location) {
        QFile settings(location.recordsFile(SettingsStore::fileName()));
        if (!settings.exists() && settings.open(QIODevice::WriteOnly))
            settings.write(
                pythonCp950(QStringLiteral("\"主視窗大小\",\"1 0 100 100 12090 7470\"\r\n")));
        settings.close();
        window = std::make_unique<MainWindow>(
            ShellServices{location, files, messageBoxes, system, control});
        EXPECT_TRUE(window->start());
        window->findChild<Timer*>(QStringLiteral("排列視窗位置"))->fire();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return *window;
    }
    MainWindow& open() { return open(folder.location()); }

    // The toolbar button 記錄 opens the record manager, which reads the file once it is shown.
    RecordManagerWindow* openManager(MainWindow& w) {
        const QPointF over(4800 / 15.0, 240 / 15.0);
        QMouseEvent move(QEvent::MouseMove, over, w.mapToGlobal(over), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&w, &move);
        QTest::mouseClick(w.findChild<QWidget*>(QStringLiteral("條碼管理")), Qt::LeftButton, {},
                          QPoint(10, 16));
        RecordManagerWindow* manager = w.records().manager();
        if (manager)
            EXPECT_TRUE(QTest::qWaitForWindowExposed(manager));
        return manager;
    }
    static QListWidget* list(RecordManagerWindow* m) {
        return m->findChild<QListWidget*>(QStringLiteral("歷史清單"));
    }
    static QStringList listed(RecordManagerWindow* m) {
        QStringList lines;
        for (int i = 0; i < list(m)->count(); ++i)
            lines << list(m)->item(i)->text();
        return lines;
    }
    static int lineOf(RecordManagerWindow* m, const QString& barcode) {
        const QStringList lines = listed(m);
        for (int i = 1; i < lines.size(); ++i)
            if (lines[i].startsWith(barcode + QLatin1Char(' ')))
                return i;
        return -1;
    }
    static QLineEdit* entry(RecordManagerWindow* m, int field) {
        for (QLineEdit* e : m->findChildren<QLineEdit*>(QStringLiteral("資料")))
            if (e->property("index").toInt() == field)
                return e;
        return nullptr;
    }
    static void click(RecordManagerWindow* m, const char* button) {
        auto* b = m->findChild<QPushButton*>(QString::fromUtf8(button));
        ASSERT_NE(b, nullptr) << button;
        ASSERT_TRUE(b->isVisible() && b->isEnabled()) << button;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    static void clickLine(RecordManagerWindow* m, int row) {
        QListWidget* l = list(m);
        l->scrollToItem(l->item(row));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualItemRect(l->item(row)).center());
    }
    // Text arrives as an input method hands it over: one key event with the characters.
    static void type(QWidget* w, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(w, &release);
    }
    static void retype(QLineEdit* e, const QString& text) {
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        type(e, text);
    }
    // The lines of a record file, each with its CR LF.
    static QList<QByteArray> lines(const QByteArray& bytes) {
        QList<QByteArray> result;
        qsizetype start = 0;
        while (start < bytes.size()) {
            qsizetype end = bytes.indexOf("\r\n", start);
            end = end < 0 ? bytes.size() : end + 2;
            result << bytes.mid(start, end - start);
            start = end;
        }
        return result;
    }
};

TEST_F(RecordFilesOnScreen, TheLastOfFortyThousandRecordsIsFoundAndDeletedAlone) {
    writeRecords({QStringLiteral("numbered"), QStringLiteral("40000")});
    const QList<QByteArray> before = lines(records());
    ASSERT_EQ(before.size(), 40000);
    MainWindow& w = open();
    RecordManagerWindow* manager = openManager(w);
    ASSERT_TRUE(manager);
    // The full read stops at its limit and says so.
    ASSERT_TRUE(soon([&] { return boxes.boxes().size() == 1; }, 15000))
        << boxes.titles().join(',').toStdString();
    EXPECT_EQ(boxes.boxes()[0].text, RecordFileTexts::tooManyRecords());
    EXPECT_TRUE(listed(manager).isEmpty());

    // 指定讀取 of the last barcode goes through the whole file and lists it, without a notice:
    // one record matched.
    QTest::keyClicks(entry(manager, 0), QStringLiteral("LF-40000"));
    click(manager, "指定讀取");
    ASSERT_TRUE(soon([&] { return listed(manager).size() == 2; }, 15000))
        << listed(manager).size() << " lines, boxes: " << boxes.titles().join(',').toStdString();
    EXPECT_TRUE(listed(manager)[1].startsWith(QStringLiteral("LF-40000 ")));
    EXPECT_EQ(boxes.boxes().size(), 1);

    clickLine(manager, 1);
    click(manager, "點選刪除");
    ASSERT_TRUE(soon([&] { return boxes.boxes().size() == 3; }, 15000))
        << boxes.titles().join(',').toStdString();
    EXPECT_EQ(boxes.boxes()[1].title, QStringLiteral("刪除條碼"));
    EXPECT_EQ(boxes.boxes()[1].text, QStringLiteral("確定刪除【LF-40000】條碼記錄"));
    // The list is read again: 39,999 records are still more than the full read shows.
    EXPECT_EQ(boxes.boxes()[2].text, RecordFileTexts::tooManyRecords());
    // The other 39,999 lines, byte for byte.
    const QList<QByteArray> after = lines(records());
    ASSERT_EQ(after.size(), 39999);
    EXPECT_TRUE(after == before.mid(0, 39999));
    EXPECT_EQ(control.endings, 0);
}

TEST_F(RecordFilesOnScreen, ANameOfHalfAMillionCharactersIsListedCutAndKeptWhole) {
    writeRecords({QStringLiteral("long-name"), QStringLiteral("5999"), QStringLiteral("3000"),
                  QStringLiteral("500000")});
    const QList<QByteArray> before = lines(records());
    MainWindow& w = open();
    RecordManagerWindow* manager = openManager(w);
    ASSERT_TRUE(manager);
    ASSERT_TRUE(soon([&] { return listed(manager).size() == 6000; }, 60000))
        << listed(manager).size() << " lines, boxes: " << boxes.titles().join(',').toStdString();
    EXPECT_TRUE(boxes.boxes().isEmpty());
    // No line is wider than the seven columns a list shows, however long a field.
    int widest = 0;
    for (const QString& line : listed(manager))
        widest = qMax(widest, ShownText::byteWidth(line));
    EXPECT_LE(widest, 7 * (ShownText::listWidth + 2));
    const int line = lineOf(manager, QStringLiteral("LONG-1"));
    ASSERT_GT(line, 0);
    EXPECT_TRUE(listed(manager)[line].contains(QChar(0x2026)));

    // Changing another field of that record keeps the long name whole in the file.
    clickLine(manager, line);
    click(manager, "點選修改");
    EXPECT_TRUE(BarcodeRecord::isCut(entry(manager, 2)->text()));
    retype(entry(manager, 1), QStringLiteral("改過"));
    click(manager, "修改條碼");
    const QByteArray changed = pythonCp950(QStringLiteral("\"改過\""));
    ASSERT_TRUE(soon([&] { return records().contains(changed); }));
    const QList<QByteArray> after = lines(records());
    ASSERT_EQ(after.size(), before.size());
    for (int i = 0; i < after.size(); ++i)
        if (i != 3000)
            ASSERT_EQ(after[i], before[i]) << "line " << i + 1;
    EXPECT_EQ(after[3000], QByteArray(before[3000])
                               .replace(pythonCp950(QStringLiteral("\"長名\"")),
                                        pythonCp950(QStringLiteral("\"改過\""))));
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(RecordFilesOnScreen, ADeleteOnAPositionAnotherDeskChangedDeletesNothingAndReadsAgain) {
    // A second program folder reaches the records through a link, as desks share a folder.
    QTemporaryDir desk;
    const DataLocation other(desk.filePath(QStringLiteral("program")));
    ASSERT_TRUE(QDir().mkpath(other.programFolder()));
    ASSERT_TRUE(QFile::link(folder.location().recordsFolder(), other.recordsFolder()));
    writeRecords({QStringLiteral("numbered"), QStringLiteral("8")});
    MainWindow& w = open(other);
    RecordManagerWindow* manager = openManager(w);
    ASSERT_TRUE(manager);
    ASSERT_TRUE(soon([&] { return listed(manager).size() == 9; }, 15000))
        << listed(manager).size() << " lines, boxes: " << boxes.titles().join(',').toStdString();

    // Meanwhile another desk takes out the first record.
    writeRecords({QStringLiteral("drop-line"), QStringLiteral("0")});
    const QByteArray changed = records();
    clickLine(manager, lineOf(manager, QStringLiteral("LF-00005")));
    click(manager, "點選刪除");
    ASSERT_TRUE(soon([&] { return boxes.boxes().size() == 2; }, 15000))
        << boxes.titles().join(',').toStdString();
    EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("確定刪除【LF-00005】條碼記錄"));
    EXPECT_EQ(boxes.boxes()[1].text, RecordFileTexts::staleText());
    // Position 4 now holds LF-00006: nothing was deleted, and the list shows the file as it is.
    EXPECT_EQ(records(), changed);
    ASSERT_TRUE(soon([&] { return listed(manager).size() == 8; }, 15000))
        << listed(manager).size() << " lines, boxes: " << boxes.titles().join(',').toStdString();
    EXPECT_EQ(lineOf(manager, QStringLiteral("LF-00001")), -1);

    // Chosen again from the new list, it goes.
    clickLine(manager, lineOf(manager, QStringLiteral("LF-00005")));
    click(manager, "點選刪除");
    ASSERT_TRUE(soon([&] { return listed(manager).size() == 7; }, 15000))
        << listed(manager).size() << " lines, boxes: " << boxes.titles().join(',').toStdString();
    EXPECT_FALSE(records().contains("LF-00005"));
    EXPECT_TRUE(records().contains("LF-00006"));
    EXPECT_EQ(lines(records()).size(), 6);
}

TEST_F(RecordFilesOnScreen, ASecondCopyOnTheSameRecordsThroughALinkEndsAtOnce) {
    QTemporaryDir desk;
    const DataLocation linked(desk.filePath(QStringLiteral("linked")));
    const DataLocation separate(desk.filePath(QStringLiteral("separate")));
    ASSERT_TRUE(QDir().mkpath(linked.programFolder()));
    ASSERT_TRUE(QFile::link(folder.location().recordsFolder(), linked.recordsFolder()));
    const auto start = [](QProcess& p, const DataLocation& where) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("BREVMARK_HOME"), where.programFolder());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        p.setStandardOutputFile(QProcess::nullDevice());
        p.setStandardErrorFile(QProcess::nullDevice());
        p.start(QStringLiteral(BREVMARK_PROGRAM), {});
        return p.waitForStarted(10000);
    };
    QProcess first;
    ASSERT_TRUE(start(first, folder.location()));
    ASSERT_TRUE(soon(
        [&] {
            return QFile::exists(
                SingleInstance::dataFolderLockPath(folder.location().recordsFolder()));
        },
        20000));

    QProcess second;
    ASSERT_TRUE(start(second, linked));
    EXPECT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    // A copy on records of its own runs beside the first.
    QProcess third;
    ASSERT_TRUE(start(third, separate));
    EXPECT_FALSE(third.waitForFinished(3000));
    EXPECT_EQ(first.state(), QProcess::Running);
    for (QProcess* p : {&first, &third}) {
        p->kill();
        p->waitForFinished(5000);
    }
}

TEST_F(RecordFilesOnScreen, AddingAfterALastLineLeftHalfWrittenKeepsTheFileReadable) {
    struct Row {
        const char* name;
        const char* kind;
        QByteArray kept; // what stays of the file before the new line
    };
    const QByteArray t = pythonCp950(
        QStringLiteral("\"T1\",\"類別\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",1\r\n"
                       "\"T2\",\"類別\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",1"));
    const QByteArray l = pythonCp950(
        QStringLiteral("\"L1\",\"類別\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",1\r\n"
                       "\"L2\",\"類別\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",1\r\n"));
    const Row rows[] = {
        // The last record's tail number and a comma, without a line end.
        {"trailing comma", "trailing-comma", t + "\r\n"},
        // A lead byte alone after the last line end.
        {"lone lead byte after the last line end", "after-line-end-lead-byte", l},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        writeRecords({QString::fromLatin1(row.kind)});
        boxes.clear();
        MainWindow& w = open();
        RecordManagerWindow* manager = openManager(w);
        ASSERT_TRUE(manager);
        ASSERT_TRUE(soon([&] { return listed(manager).size() == 3; }, 15000))
            << listed(manager).size()
            << " lines, boxes: " << boxes.titles().join(',').toStdString();
        QTest::keyClicks(entry(manager, 0), QStringLiteral("NEW-1"));
        type(entry(manager, 1), QStringLiteral("新"));
        click(manager, "新增條碼");
        // The next read lists all three, with no repair.
        ASSERT_TRUE(soon([&] { return listed(manager).size() == 4; }, 15000))
            << listed(manager).size()
            << " lines, boxes: " << boxes.titles().join(',').toStdString();
        EXPECT_TRUE(boxes.boxes().isEmpty());
        EXPECT_EQ(control.endings, 0);
        EXPECT_EQ(records(),
                  row.kept + pythonCp950(QStringLiteral(
                                 "\"NEW-1\",\"新\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\","
                                 "\"\",\"\",1\r\n")));
        window.reset();
    }
}

TEST_F(RecordFilesOnScreen, DeletingRecordOneKeepsTheBytesOfEveryOtherRecord) {
    // Record 3 holds a byte that is no code page 950 character, before its closing quote.
    writeRecords({QStringLiteral("lone-lead-byte")});
    const QList<QByteArray> before = lines(records());
    ASSERT_TRUE(before[2].contains("\xA4\""));
    MainWindow& w = open();
    RecordManagerWindow* manager = openManager(w);
    ASSERT_TRUE(manager);
    ASSERT_TRUE(soon([&] { return listed(manager).size() == 5; }, 15000))
        << listed(manager).size() << " lines, boxes: " << boxes.titles().join(',').toStdString();
    clickLine(manager, lineOf(manager, QStringLiteral("R1")));
    click(manager, "點選刪除");
    ASSERT_TRUE(soon([&] { return listed(manager).size() == 4; }, 15000))
        << listed(manager).size() << " lines, boxes: " << boxes.titles().join(',').toStdString();
    EXPECT_TRUE(lines(records()) == before.mid(1));
    // Moving record 3 down and back keeps its bytes too.
    clickLine(manager, lineOf(manager, QStringLiteral("R3")));
    click(manager, "點選修下");
    ASSERT_TRUE(soon([&] { return lines(records()).value(0) == before[2]; }, 15000));
    EXPECT_TRUE(boxes.boxes().size() == 1) << boxes.titles().join(',').toStdString();
}

TEST_F(RecordFilesOnScreen, ACaptionBig5CannotHoldIsRefusedAndTheCaptionStays) {
    MainWindow& w = open();
    RecordManagerWindow* manager = openManager(w);
    ASSERT_TRUE(manager);
    const QByteArray settingsBefore = folder.readRecordsFile(SettingsStore::fileName());
    QLabel* caption = nullptr;
    for (QLabel* c : manager->findChildren<QLabel*>(QStringLiteral("說明")))
        if (c->property("index").toInt() == 1)
            caption = c;
    ASSERT_NE(caption, nullptr);
    const QString captionBefore = caption->text();
    QTest::mouseDClick(caption, Qt::LeftButton);
    auto* editor = manager->findChild<QLineEdit*>(QStringLiteral("說明編輯"));
    ASSERT_TRUE(editor && editor->isVisible());
    editor->selectAll();
    type(editor, QStringLiteral("类别😀"));
    ASSERT_EQ(editor->text(), QStringLiteral("类别😀"));
    QTest::keyClick(editor, Qt::Key_Return);
    ASSERT_TRUE(soon([&] { return boxes.boxes().size() == 1; }, 15000))
        << boxes.titles().join(',').toStdString();
    EXPECT_EQ(boxes.boxes()[0].title, QStringLiteral("文字無法儲存"));
    EXPECT_TRUE(boxes.boxes()[0].text.contains(QStringLiteral("类　别　😀")))
        << boxes.boxes()[0].text.toStdString();
    EXPECT_EQ(caption->text(), captionBefore);
    EXPECT_EQ(folder.readRecordsFile(SettingsStore::fileName()), settingsBefore);
    EXPECT_FALSE(folder.readRecordsFile(SettingsStore::fileName()).contains('?'));
}

} // namespace
