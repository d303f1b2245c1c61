#include "ShellDoubles.h"

#include "page/ui/PageEditor.h"
#include "platform/Timer.h"
#include "platform/qt/PictureControl.h"
#include "shell/LockScreen.h"
#include "shell/PasswordLock.h"
#include "support/TempDataFolder.h"

#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace brevmark;

namespace {

// Types each character as a key press carrying that text, as an input method delivers it.
void typeText(QWidget* w, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}

class Lock : public ::testing::Test, protected test::ShellFixture {
protected:
    // Starts with a stored password (and placement) and runs the deferred step.
    MainWindow& startLocked(const QString& stored,
                            const char* placement = "1 0 300 200 12090 7470") {
        writeSettings(QStringLiteral("\"主視窗大小\",\"%1\"\r\n\"使用密碼\",\"%2\"\r\n")
                          .arg(QString::fromUtf8(placement), stored));
        MainWindow& w = make();
        EXPECT_TRUE(w.start());
        w.show();
        timer("排列視窗位置")->fire();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        return w;
    }
    template <typename T = QWidget> T* control(const char* name) const {
        return window->findChild<T*>(QString::fromUtf8(name));
    }
    Timer* timer(const char* name) const { return control<Timer>(name); }
    QLineEdit* field() const { return control<QLineEdit>("輸入密碼"); }
    LockScreen* screen() const { return control<LockScreen>("登入密碼窗"); }
    bool locked() const { return screen()->isVisible(); }
    QSizeF lockSize() const { return LockScreen::sizeTwips(); }
};

} // namespace

TEST_F(Lock, PythonMadePasswordLocksAndUnlocks) {
    const QString password = QStringLiteral("條碼Ab9");
    MainWindow& w = startLocked(test::pythonStoredPassword(password, 88));
    EXPECT_EQ(w.values().expectedPassword, password);

    ASSERT_TRUE(locked());
    EXPECT_EQ(screen()->pos(), QPoint(0, 0));
    EXPECT_EQ(w.geometryTwips().size(), lockSize());
    EXPECT_EQ(screen()->size(), w.size());
    EXPECT_EQ(screen()->size(), control("密碼窗大小")->size());
    EXPECT_FALSE(control("關離功能")->isVisible());
    EXPECT_TRUE(field()->hasFocus());
    EXPECT_EQ(field()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(control<QPushButton>("ComEND")->text(), QStringLiteral("關閉程式"));
    EXPECT_EQ(control<QPushButton>("顯示")->text(), QStringLiteral("顯示密碼"));

    typeText(field(), QStringLiteral("條碼A"));
    EXPECT_TRUE(locked());
    typeText(field(), QStringLiteral("b9"));
    EXPECT_FALSE(locked());
    EXPECT_TRUE(control("關離功能")->isVisible());
    EXPECT_EQ(w.geometryTwips().size(), QSizeF(12090, 7470));
    EXPECT_EQ(w.frame().viewport.width(), FrameLayout::compute({12090, 7470}, LayoutMode::Professional).viewport.width());
    EXPECT_EQ(w.pageEditor().model().page().left, 240); // the page was fitted again
}

TEST_F(Lock, BoxesInTheirColours) {
    startLocked(QStringLiteral("41828384"));
    const QImage shot = screen()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(0, 48, 166));
    EXPECT_EQ(shot.pixelColor(shot.width() - 1, shot.height() / 2), QColor(0, 48, 166));
    EXPECT_EQ(shot.pixelColor(1, 1), QColor(128, 128, 255));
    EXPECT_EQ(shot.pixelColor(shot.width() / 2, shot.height() - 2), QColor(128, 128, 255));
}

TEST_F(Lock, OneCharacterTooLongUnlocksAtTheDeletion) {
    startLocked(QStringLiteral("41828384")); // ABC
    field()->insert(QStringLiteral("ABCD"));
    EXPECT_TRUE(locked());
    QTest::keyClick(field(), Qt::Key_Backspace);
    EXPECT_FALSE(locked());
}

TEST_F(Lock, UpperCaseIsNotOpenedByLowerCase) {
    startLocked(QStringLiteral("41828384")); // ABC
    QTest::keyClicks(field(), QStringLiteral("abc"));
    EXPECT_TRUE(locked());
    field()->clear();
    QTest::keyClicks(field(), QStringLiteral("ABC"));
    EXPECT_FALSE(locked());
}

TEST_F(Lock, UndecodableStoredValueMeansNoLock) {
    MainWindow& w = startLocked(QStringLiteral("41"));
    EXPECT_TRUE(w.values().expectedPassword.isEmpty());
    EXPECT_FALSE(locked());
    EXPECT_EQ(w.geometryTwips().size(), QSizeF(12090, 7470));
}

TEST_F(Lock, ShowButtonTogglesTheMaskAndKeepsTheFocus) {
    startLocked(QStringLiteral("41828384"));
    auto* show = control<QPushButton>("顯示");
    QTest::mouseClick(show, Qt::LeftButton);
    EXPECT_EQ(field()->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(show->text(), QStringLiteral("隱藏密碼"));
    EXPECT_TRUE(field()->hasFocus());
    QTest::mouseClick(show, Qt::LeftButton);
    EXPECT_EQ(field()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(show->text(), QStringLiteral("顯示密碼"));
    EXPECT_TRUE(field()->hasFocus());
}

TEST_F(Lock, MaintenanceUnlockNeedsTheMiddleButtonHeldStill) {
    MainWindow& w = startLocked(QStringLiteral("41828384"));
    auto* padlock = control<PictureControl>("解鎖");
    Timer* wait = timer("登入等待");
    EXPECT_EQ(wait->period(), 5000);

    QTest::mousePress(padlock, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(wait->isActive());
    QTest::mouseRelease(padlock, Qt::LeftButton, {}, QPoint(5, 5));

    // Each interruption stops the wait: a release, a press on the field, a move.
    QTest::mousePress(padlock, Qt::MiddleButton, {}, QPoint(5, 5));
    EXPECT_TRUE(wait->isActive());
    QTest::mouseRelease(padlock, Qt::MiddleButton, {}, QPoint(5, 5));
    EXPECT_FALSE(wait->isActive());

    QTest::mousePress(padlock, Qt::MiddleButton, {}, QPoint(5, 5));
    QTest::mousePress(field(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(wait->isActive());
    QTest::mouseRelease(field(), Qt::LeftButton, {}, QPoint(5, 5));

    QTest::mousePress(padlock, Qt::MiddleButton, {}, QPoint(5, 5));
    QTest::mouseMove(screen(), QPoint(3, 60));
    EXPECT_FALSE(wait->isActive());

    QTest::mousePress(padlock, Qt::MiddleButton, {}, QPoint(5, 5));
    ASSERT_TRUE(wait->isActive());
    wait->fire();
    EXPECT_FALSE(locked());
    EXPECT_FALSE(wait->isActive());
    EXPECT_EQ(w.geometryTwips().size(), QSizeF(12090, 7470));
}

TEST_F(Lock, ExitEndsAtOnceWithoutStoringThePlacement) {
    startLocked(QStringLiteral("41828384"));
    QTest::mouseClick(control<QPushButton>("ComEND"), Qt::LeftButton);
    EXPECT_EQ(test::ShellFixture::control.endings, 1);
    EXPECT_EQ(test::ShellFixture::control.lastCode, 0);
    EXPECT_EQ(window->settings().value(QStringLiteral("主視窗大小")),
              QStringLiteral("1 0 300 200 12090 7470"));
}

TEST_F(Lock, DraggingTheLockScreenMovesTheWindow) {
    MainWindow& w = startLocked(QStringLiteral("41828384"));
    const QPoint before = w.pos();
    QTest::mousePress(screen(), Qt::LeftButton, {}, QPoint(20, 20));
    QMouseEvent move(QEvent::MouseMove, QPointF(50, 60), w.mapToGlobal(QPointF(50, 60)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(screen(), &move);
    EXPECT_EQ(w.pos(), before + QPoint(30, 40));
    QTest::mouseRelease(screen(), Qt::LeftButton, {}, QPoint(50, 60));
    EXPECT_TRUE(locked());
}

TEST_F(Lock, NothingBehindTheLockScreenTakesInput) {
    MainWindow& w = startLocked(QStringLiteral("41828384"));
    EXPECT_FALSE(timer("列印熱鍵")->isActive());
    EXPECT_FALSE(w.viewport()->isEnabled());
    EXPECT_TRUE(field()->isEnabled());
    QTest::keyClicks(field(), QStringLiteral("ABC"));
    EXPECT_TRUE(timer("列印熱鍵")->isActive());
    EXPECT_TRUE(w.viewport()->isEnabled());
}

TEST_F(Lock, MaximisedProfessionalWindowLocksAsANormalWindow) {
    writeSettings(QStringLiteral("\"主視窗大小\",\"1 0 300 200 12090 7470\"\r\n"));
    MainWindow& w = make();
    ASSERT_TRUE(w.start());
    w.show();
    timer("排列視窗位置")->fire();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.showMaximized();
    QTest::qWait(20);
    ASSERT_TRUE(w.isMaximized());

    w.values().expectedPassword = QStringLiteral("pw");
    w.passwordLock().lock();
    EXPECT_FALSE(w.isMaximized());
    EXPECT_EQ(w.geometryTwips().size(), lockSize());
    QTest::keyClicks(field(), QStringLiteral("pw"));
    EXPECT_FALSE(locked());
    EXPECT_FALSE(w.isMaximized());
    EXPECT_EQ(w.geometryTwips().size(), QSizeF(12090, 7470));
}

TEST_F(Lock, StoredMaximisedStartLocksAsANormalWindow) {
    MainWindow& w = startLocked(QStringLiteral("41828384"), "1 2 300 200 12090 7470");
    EXPECT_FALSE(w.isMaximized());
    EXPECT_EQ(w.geometryTwips().size(), lockSize());
    QTest::keyClicks(field(), QStringLiteral("ABC"));
    EXPECT_FALSE(w.isMaximized());
    EXPECT_EQ(w.geometryTwips().size(), QSizeF(12090, 7470));
}

TEST_F(Lock, SavingAnEmptyPasswordEndsTheProgramAndTheNextStartHasNoLock) {
    MainWindow& w = startLocked(QStringLiteral("41828384"), "1 0 300 200 12090 7470"); // ABC
    QTest::keyClicks(field(), QStringLiteral("ABC"));
    ASSERT_FALSE(locked());

    emit w.toolbarActivated(ToolbarCommand::Settings);
    QPointer<QWidget> settings;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QStringLiteral("系統設定"))
            settings = top;
    ASSERT_TRUE(settings);
    auto* box = settings->findChild<QLineEdit*>(QStringLiteral("密碼"));
    auto* save = settings->findChild<QPushButton*>(QStringLiteral("儲存"));
    EXPECT_EQ(box->echoMode(), QLineEdit::Password);
    QTest::keyClicks(box, QStringLiteral("ABC"));
    ASSERT_TRUE(save->isEnabled());
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::mouseClick(save, Qt::LeftButton);
    EXPECT_EQ(test::ShellFixture::control.endings, 1);
    EXPECT_EQ(w.settings().value(QStringLiteral("使用密碼"), QStringLiteral("unset")), QString());
    // Ended without storing the placement.
    EXPECT_EQ(w.settings().value(QStringLiteral("主視窗大小")),
              QStringLiteral("1 0 300 200 12090 7470"));
    delete settings.data();

    MainWindow& next = make();
    ASSERT_TRUE(next.start());
    next.show();
    timer("排列視窗位置")->fire();
    EXPECT_TRUE(next.values().expectedPassword.isEmpty());
    EXPECT_FALSE(locked());
    EXPECT_EQ(next.geometryTwips().size(), QSizeF(12090, 7470));
}
