// One copy per program folder, and a program folder that cannot be written is reported instead of
// being taken for a running copy.
#include "shell/InstanceGate.h"
#include "platform/DataLocation.h"
#include "platform/SingleInstance.h"
#include "shell/FolderWarning.h"
#include "support/FixtureScript.h"
#include "support/ScopedEnvironment.h"
#include "support/ScriptedMessageBoxes.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace brevmark {
namespace {

class InstanceGateTest : public ::testing::Test {
protected:
    QTemporaryDir folders;
    QTemporaryDir runtime; // where the records folders' locks are, instead of the user's
    test::ScopedEnvironment environment;
    test::ScriptedMessageBoxes messages;

    void SetUp() override {
        environment.set("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        test::runFixtureScript(QStringLiteral("tests/shell/fixtures/unwritable_program_folders.py"),
                               {folders.path()});
    }
    void TearDown() override {
        // The read-only folder must become writable again to be removed.
        QFile::setPermissions(folders.filePath(QStringLiteral("read-only")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                  QFileDevice::ExeOwner);
    }
    std::optional<int> check(const QString& programFolder) {
        SingleInstance instance(programFolder);
        return InstanceGate::check(instance, messages, programFolder);
    }
};

TEST_F(InstanceGateTest, TheFirstCopyGoesOnAndASecondEndsSilently) {
    const QString program = folders.filePath(QStringLiteral("program"));
    SingleInstance first(program);
    EXPECT_EQ(InstanceGate::check(first, messages, program), std::nullopt);
    // A lock file held by a live process is another copy, here this very process.
    EXPECT_EQ(check(program), 0);
    EXPECT_TRUE(messages.shown.isEmpty());
    first.release();
    EXPECT_EQ(check(program), std::nullopt);
}

TEST_F(InstanceGateTest, ProgramFoldersSharingTheirRecordsThroughALinkRunOneCopy) {
    const DataLocation first(folders.filePath(QStringLiteral("first")));
    const DataLocation linked(folders.filePath(QStringLiteral("linked")));
    const DataLocation separate(folders.filePath(QStringLiteral("separate")));
    ASSERT_TRUE(QDir().mkpath(first.recordsFolder()));
    ASSERT_TRUE(QDir().mkpath(linked.programFolder()));
    ASSERT_TRUE(QFile::link(first.recordsFolder(), linked.recordsFolder()));
    SingleInstance running(first.programFolder());
    ASSERT_EQ(InstanceGate::check(running, messages, first.programFolder()), std::nullopt);
    EXPECT_EQ(check(linked.programFolder()), 0);
    EXPECT_EQ(check(separate.programFolder()), std::nullopt);
    EXPECT_TRUE(messages.shown.isEmpty());
    running.release();
    EXPECT_EQ(check(linked.programFolder()), std::nullopt);
}

TEST_F(InstanceGateTest, AFolderThatCannotBeMadeIsReportedAndEndsWithStatusOne) {
    const QString program = folders.filePath(QStringLiteral("blocker/program"));
    EXPECT_EQ(check(program), 1);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("資料夾錯誤"));
    EXPECT_EQ(messages.shown[0].text, FolderWarning::unwritableText(program));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
}

TEST_F(InstanceGateTest, AReadOnlyFolderIsReportedAndEndsWithStatusOne) {
    QString program = folders.filePath(QStringLiteral("read-only"));
    // Root may write into any folder whatever its mode; sysfs refuses new files even to root.
    if (QFileInfo(program).isWritable())
        program = QStringLiteral("/sys/kernel");
    if (!QFileInfo(program).isDir())
        GTEST_SKIP() << "no folder that refuses this user";
    EXPECT_EQ(check(program), 1);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("無法建立或寫入資料夾：") + program +
                                          QStringLiteral("\r\n程式將自動關閉。"));
}

} // namespace
} // namespace brevmark
