// The lock screen takes its password and nothing else: the print key pressed while it is up
// prints nothing, then or after the unlock, and no shortcut of the window behind it works. Real
// keys (xdotool) reach the program through the X server; what it prints goes to a CUPS scheduler
// of the test's own (tests/support).
#include "DesktopProgram.h"

#include "shell/PrintBridge.h"
#include "support/PrivateCupsScheduler.h"

#include <QLineEdit>
#include <QTest>

using namespace brevmark;
using namespace brevmark::test;

namespace {

class LockScreenKeys : public DesktopProgram {
protected:
    PrivateCupsScheduler cups;

    void SetUp() override {
        DesktopProgram::SetUp();
        if (IsSkipped())
            return;
        const QString missing = PrivateCupsScheduler::missingParts();
        if (!missing.isEmpty())
            GTEST_SKIP() << "skipped: " << missing.toStdString();
        QString why;
        ASSERT_TRUE(cups.start(&why)) << why.toStdString();
    }
    void TearDown() override {
        DesktopProgram::TearDown();
        cups.stop();
    }
};

TEST_F(LockScreenKeys, F1PressedWhileLockedPrintsNothingAfterTheUnlock) {
    // The simple layout, whose print command prints its one item once.
    MainWindow& w = open(QStringLiteral("\"主視窗大小\",\"0 0 100 100 6000 7470\"\r\n"
                                        "\"使用密碼\",\"%1\"\r\n")
                             .arg(pythonStoredPassword(QStringLiteral("abc"), 70)));
    auto* field = w.findChild<QLineEdit*>(QStringLiteral("輸入密碼"));
    ASSERT_NE(field, nullptr);
    ASSERT_TRUE(field->isVisible());
    ASSERT_TRUE(field->hasFocus());

    // F1 on the lock screen, held over several polls of the print key, and the print preview's
    // shortcut; then the password.
    user_input::key(QStringLiteral("F1"));
    user_input::settle(700);
    user_input::key(QStringLiteral("ctrl+shift+p"));
    EXPECT_EQ(w.printing().preview(), nullptr) << "the page shown past the lock";
    user_input::type(QStringLiteral("abc"));
    ASSERT_FALSE(field->isVisible()) << "the password unlocks";
    // The print key's timer polls every 300 ms: a press kept from the lock would print now.
    user_input::settle(1200);
    EXPECT_TRUE(boxes.boxes().isEmpty());

    // The print key works once the window is unlocked: that job is the only one.
    user_input::key(QStringLiteral("F1"));
    // Over several polls of the print key (the wait for the printed file runs no events).
    user_input::settle(1200);
    EXPECT_FALSE(cups.waitForPdf(60000).isEmpty()) << "F1 after the unlock prints";
    EXPECT_TRUE(cups.waitForPdf(8000).isEmpty()) << "a second job: F1 from the lock screen";
    EXPECT_EQ(control.endings, 0);
}

} // namespace
