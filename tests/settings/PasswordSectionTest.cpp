#include "settings/PasswordSection.h"
#include "common/PasswordCodec.h"
#include "platform/LocalFileSystem.h"
#include "records/SettingsStore.h"
#include "settings/SettingsWindow.h"
#include "support/FakeSystemServices.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDataFolder.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace brevmark::test {
namespace {

// The password panel driven through the settings window's own controls.
class PasswordPanel : public ::testing::Test {
protected:
    void open(const QString& expectedPassword = {}) {
        window = new SettingsWindow(SettingsWindow::Context{
            store, boxes, system, printing, 0, []() -> std::unique_ptr<Printer> { return nullptr; },
            expectedPassword, [this] { ++endings; }});
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        field()->setFocus();
    }
    ~PasswordPanel() override { delete window.data(); }

    QLineEdit* field() const { return window->findChild<QLineEdit*>(QStringLiteral("密碼")); }
    QPushButton* save() const { return window->findChild<QPushButton*>(QStringLiteral("儲存")); }
    QStringList stored() const {
        QStringList values;
        store.forEach(QStringLiteral("使用密碼"), [&](const QString& v) { values << v; });
        return values;
    }
    // A key press carrying a text, as the keyboard or an input method delivers it.
    void type(const QString& text) {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(field(), &press);
        }
    }

    TempDataFolder folder;
    LocalFileSystem files;
    ScriptedMessageBoxes boxes;
    SettingsStore store{files, folder.location().recordsFolder()};
    FakeSystemServices system; // random() is 0.5: key 78 (4E)
    PrintSettings printing;
    int endings = 0;
    QPointer<SettingsWindow> window;
};

TEST_F(PasswordPanel, WithoutAPasswordAnyTextEnablesSaveAndSavingEndsTheProgram) {
    open();
    EXPECT_EQ(field()->echoMode(), QLineEdit::Normal);
    EXPECT_FALSE(save()->isEnabled());
    QTest::keyClicks(field(), QStringLiteral("Ab"));
    EXPECT_TRUE(save()->isEnabled());
    EXPECT_EQ(field()->echoMode(), QLineEdit::Normal);
    EXPECT_TRUE(boxes.shown.isEmpty());

    QTest::mouseClick(save(), Qt::LeftButton);
    ASSERT_EQ(stored(), QStringList{QStringLiteral("4E8FB0")});
    EXPECT_EQ(password_codec::decode(stored().first()), QStringLiteral("Ab"));
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral("完成提示"));
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("完成密碼設定、程式須關閉、重新啟動後才能生效"));
    EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(endings, 1);
}

TEST_F(PasswordPanel, ThePasswordInForceLiftsTheLockOnceWithItsNotice) {
    open(QStringLiteral("Ab"));
    EXPECT_EQ(field()->echoMode(), QLineEdit::Password);
    EXPECT_FALSE(save()->isEnabled());
    QTest::keyClicks(field(), QStringLiteral("A"));
    EXPECT_FALSE(save()->isEnabled());
    QTest::keyClicks(field(), QStringLiteral("b"));
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral("完成提示"));
    EXPECT_EQ(boxes.shown[0].text,
              QStringLiteral("密碼正確、已經解除【修改限制】請重新輸入、管理者密碼\r\n"
                             "不需要、管理者密碼、請:清除密碼後儲存"));
    EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::Ok);
    EXPECT_TRUE(save()->isEnabled());
    EXPECT_EQ(field()->echoMode(), QLineEdit::Normal);

    // Typing it again tells nothing more.
    field()->clear();
    QTest::keyClicks(field(), QStringLiteral("Ab"));
    EXPECT_EQ(boxes.shown.size(), 1);
}

TEST_F(PasswordPanel, ThePasswordInForceInLowerCaseLiftsNothing) {
    open(QStringLiteral("Ab"));
    QTest::keyClicks(field(), QStringLiteral("ab"));
    EXPECT_FALSE(save()->isEnabled());
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(PasswordPanel, DeleteEmptiesTheFieldAndSavingNothingRemovesThePassword) {
    open(QStringLiteral("Ab"));
    QTest::keyClicks(field(), QStringLiteral("Ab"));
    QTest::keyClick(field(), Qt::Key_Left);
    QTest::keyClick(field(), Qt::Key_Delete);
    EXPECT_EQ(field()->text(), QString());
    QTest::mouseClick(save(), Qt::LeftButton);
    EXPECT_EQ(stored(), QStringList{QString()});
    EXPECT_EQ(boxes.shown.last().text,
              QStringLiteral("無輸入密碼、啟動時將無密碼保護、任何人都可以使用本軟體"));
    EXPECT_EQ(endings, 1);
}

TEST_F(PasswordPanel, DisabledSaveDoesNothing) {
    open(QStringLiteral("Ab"));
    QTest::mouseClick(save(), Qt::LeftButton);
    EXPECT_TRUE(stored().isEmpty());
    EXPECT_EQ(endings, 0);
}

TEST_F(PasswordPanel, RefusesQuotesPasteAndWhatCannotBeTypedAtTheLockScreen) {
    open();
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    QTest::keyClicks(field(), QStringLiteral("a\"b"));
    QTest::keyClick(field(), Qt::Key_V, Qt::ControlModifier);
    type(QString(QChar(22)));
    type(QStringLiteral(",★") + QString::fromUtf8("😀"));
    type(QStringLiteral("條碼"));
    // An input method's commit passes the same check: all of it or nothing.
    for (const QString commit : {QStringLiteral("x😀"), QStringLiteral("y,"), QStringLiteral("中")}) {
        QInputMethodEvent event;
        event.setCommitString(commit);
        QApplication::sendEvent(field(), &event);
    }
    EXPECT_EQ(field()->text(), QStringLiteral("ab條碼中"));
    EXPECT_EQ(field()->contextMenuPolicy(), Qt::NoContextMenu);
}

TEST_F(PasswordPanel, FocusSelectsTheWholeText) {
    open();
    QTest::keyClicks(field(), QStringLiteral("secret"));
    save()->setFocus();
    field()->setFocus();
    QTest::qWait(10);
    EXPECT_EQ(field()->selectedText(), QStringLiteral("secret"));
}

// A file system whose writes all fail.
class FullDisk : public LocalFileSystem {
public:
    bool replaceBytes(const QString&, const QByteArray&, QString* error) override {
        if (error)
            *error = QStringLiteral("disk full");
        return false;
    }
    bool appendBytes(const QString& p, const QByteArray& b, QString* e) override {
        return replaceBytes(p, b, e);
    }
    bool appendDecided(const QString& p, int, const DecideAppend&, QString* e) override {
        return replaceBytes(p, QByteArray(), e);
    }
};

TEST(PasswordSectionRules, AValueTheFileDidNotTakeIsNotReportedAsSaved) {
    TempDataFolder folder;
    FullDisk disk;
    ScriptedMessageBoxes boxes;
    SettingsStore store(disk, folder.location().recordsFolder());
    FakeSystemServices system;
    int endings = 0;
    PasswordSection section(store, boxes, system, QString(), [&] { ++endings; });
    section.textChanged(QStringLiteral("pw"));
    section.save(QStringLiteral("pw"));
    EXPECT_EQ(endings, 0);
    for (const ScriptedMessageBoxes::Shown& s : boxes.shown)
        EXPECT_NE(s.title, PasswordSection::doneTitle());
}

TEST(PasswordSectionRules, ATextBig5CannotHoldIsNotStored) {
    TempDataFolder folder;
    LocalFileSystem files;
    ScriptedMessageBoxes boxes;
    SettingsStore store(files, folder.location().recordsFolder());
    FakeSystemServices system;
    int endings = 0;
    PasswordSection section(store, boxes, system, QString(), [&] { ++endings; });
    section.textChanged(QStringLiteral("ab😀c"));
    section.save(QStringLiteral("ab😀c"));
    EXPECT_EQ(endings, 0);
    EXPECT_EQ(boxes.titles(), QStringList{PasswordSection::unstorableTitle()});
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("😀")));
    EXPECT_FALSE(QFile::exists(folder.recordsFile(SettingsStore::fileName())));
}

TEST(PasswordSectionRules, SaveCleansTheText) {
    EXPECT_EQ(PasswordSection::clean(QStringLiteral("a,b\"c★\r\n")), QStringLiteral("abc"));
}

} // namespace
} // namespace brevmark::test
