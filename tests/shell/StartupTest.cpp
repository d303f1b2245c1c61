#include "ShellDoubles.h"

#include "platform/Timer.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QThread>
#include <gtest/gtest.h>

using namespace brevmark;

namespace {

Timer* timer(MainWindow& w, const char* name) {
    return w.findChild<Timer*>(QString::fromUtf8(name));
}

class Startup : public ::testing::Test, protected test::ShellFixture {};

} // namespace

TEST_F(Startup, FirstStartCreatesFoldersAndOpensSimpleLayout) {
    MainWindow& w = make();
    ASSERT_TRUE(w.start());
    EXPECT_TRUE(QDir(folder.location().recordsFolder()).exists());
    EXPECT_TRUE(QDir(folder.location().picturesFolder()).exists());
    EXPECT_EQ(w.objectName(), QStringLiteral("主視窗"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tavo Brevmark"));
    EXPECT_EQ(w.values().layoutMode, LayoutMode::Simple);
    EXPECT_EQ(w.values().printing.resolution.toText(), QStringLiteral("7.2"));
    EXPECT_EQ(w.values().updateCheck, 0);
    EXPECT_TRUE(w.values().expectedPassword.isEmpty());
    EXPECT_EQ(w.fontList(), (QStringList{"Arial", "新細明體"}));

    // Every timer exists under its name; the deferred step and the hot-key poll are running.
    for (const char* name : {"排列視窗位置", "視窗放大", "列印熱鍵", "更新查詢", "登入等待",
                             "視窗展開", "視窗縮關", "讀條碼檔", "稍後執行", "終點顯示"})
        ASSERT_NE(timer(w, name), nullptr) << name;
    EXPECT_TRUE(timer(w, "排列視窗位置")->isActive());
    EXPECT_EQ(timer(w, "排列視窗位置")->period(), 200);
    EXPECT_TRUE(timer(w, "列印熱鍵")->isActive());
    EXPECT_FALSE(timer(w, "視窗放大")->isActive());

    timer(w, "排列視窗位置")->fire();
    EXPECT_FALSE(timer(w, "排列視窗位置")->isActive());
    EXPECT_FALSE(timer(w, "更新查詢")->isActive());
    EXPECT_EQ(w.geometryTwips().size(), QSizeF(6000, 7470));
    EXPECT_TRUE(w.isVisible());
}

TEST_F(Startup, DeferredStepRunsFromTheTimerAfter200Ms) {
    MainWindow& w = make();
    ASSERT_TRUE(w.start());
    QSignalSpy ticks(timer(w, "排列視窗位置"), &Timer::ticked);
    ASSERT_TRUE(ticks.wait(1000));
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(timer(w, "排列視窗位置")->isActive());
}

TEST_F(Startup, SixPartPlacementRestoresProfessionalLayoutAndPosition) {
    writeSettings(QStringLiteral("\"主視窗大小\",\"1 0 1200 900 9000 5000\"\r\n"));
    MainWindow& w = make();
    ASSERT_TRUE(w.start());
    EXPECT_EQ(w.values().layoutMode, LayoutMode::Professional);
    EXPECT_EQ(w.values().left, 1200);
    EXPECT_EQ(w.values().top, 900);
    timer(w, "排列視窗位置")->fire();
    // The layout's own size wins over the stored one; the position survives.
    EXPECT_EQ(w.geometryTwips(), QRectF(1200, 900, 12090, 7470));
}

struct PlacementCase {
    const char* name;
    const char* value;
    bool used;
    bool leftApplied;
    bool topApplied;
    bool maximised;
};

void PrintTo(const PlacementCase& c, std::ostream* os) {
    *os << c.value;
}

class Placement : public ::testing::TestWithParam<PlacementCase>, protected test::ShellFixture {};

TEST_P(Placement, AppliesOnlyValidParts) {
    const PlacementCase& c = GetParam();
    writeSettings(QStringLiteral("\"主視窗大小\",\"%1\"\r\n").arg(QString::fromUtf8(c.value)));
    MainWindow& w = make();
    ASSERT_TRUE(w.start());
    EXPECT_EQ(w.values().width.has_value() || w.values().maximised, c.used);
    EXPECT_EQ(w.values().left.has_value(), c.leftApplied);
    EXPECT_EQ(w.values().top.has_value(), c.topApplied);
    EXPECT_EQ(w.values().maximised, c.maximised);
    EXPECT_EQ(timer(w, "視窗放大")->isActive(), c.maximised);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Placement,
    ::testing::Values(
        PlacementCase{"normal", "1 0 1200 900 12090 7470", true, true, true, false},
        PlacementCase{"fiveParts", "1 0 1200 900 12090", false, false, false, false},
        PlacementCase{"sevenParts", "1 0 1200 900 12090 7470 1", false, false, false, false},
        PlacementCase{"leftAtScreenWidth", "0 0 28800 900 6000 7470", true, false, true, false},
        PlacementCase{"topBeyondScreen", "0 0 15 20000 6000 7470", true, true, false, false},
        PlacementCase{"maximisedKeepsNoPosition", "1 2 1200 900 12090 7470", true, false, false,
                      true},
        PlacementCase{"doubleSpaceGivesSixParts", "1  0 1200 900 12090", true, true, true, false},
        PlacementCase{"numbersBeyondAnyWindowState", "1 99999999999999999999 1200 900 12090 7470",
                      true, true, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Startup, AppliesEveryKeyInTableOrder) {
    writeSettings(QStringLiteral(
        "\"列印排列\",\"25 abc 3.50 07\"\r\n"
        "\"標籤A\",\"條碼★種 類★名稱★自訂一★自訂二★自訂三★自訂 四★自訂★自訂★自訂★自訂★自訂\"\r\n"
        "\"標籤_數量\",\"4\"\r\n"
        "\"使用密碼\",\"41828384\"\r\n"
        "\"更新設定\",\"1.0\"\r\n"
        "\"印表裝置\",\"1\"\r\n"
        "\"列印解析度\",\"6.8\"\r\n"
        "\"列印解析度\",\"7.0125\"\r\n"
        "\"未知\",\"x\"\r\n"));
    MainWindow& w = make();
    ASSERT_TRUE(w.start());
    const StartupValues& v = w.values();
    ASSERT_TRUE(v.arrangement.has_value());
    EXPECT_EQ(v.arrangement->settingText(), QStringLiteral("25 0 3.5 7"));
    EXPECT_EQ(v.fieldCaptions,
              (QStringList{"種 類", "名稱", "自訂一", "自訂二", "自訂三", "自訂 四"}));
    EXPECT_EQ(v.lastShownField, 4);
    EXPECT_EQ(v.expectedPassword, QStringLiteral("ABC"));
    EXPECT_EQ(v.updateCheck, 1);
    EXPECT_EQ(v.printing.printerKind, 1);
    EXPECT_EQ(v.item0Width, 2700);
    EXPECT_EQ(v.printing.resolution.toText(), QStringLiteral("7.0125"));
    timer(w, "排列視窗位置")->fire();
    EXPECT_TRUE(timer(w, "更新查詢")->isActive());
}

TEST_F(Startup, WrongPartCountsAreIgnoredWhole) {
    writeSettings(QStringLiteral("\"列印排列\",\"1 2 3\"\r\n"
                                 "\"標籤A\",\"a★b★c\"\r\n"
                                 "\"列印解析度\",\"abc\"\r\n"));
    MainWindow& w = make();
    ASSERT_TRUE(w.start());
    EXPECT_FALSE(w.values().arrangement.has_value());
    EXPECT_EQ(w.values().fieldCaptions.first(), QStringLiteral("種類"));
    EXPECT_EQ(w.values().printing.resolution.toText(), QStringLiteral("7.2"));
}

TEST_F(Startup, CloseStoresPlacementAndEnds) {
    writeSettings(QStringLiteral("\"主視窗大小\",\"1 0 1200 900 12090 7470\"\r\n"));
    MainWindow& w = make();
    ASSERT_TRUE(w.start());
    timer(w, "排列視窗位置")->fire();
    w.closeProgram();
    EXPECT_EQ(control.endings, 1);
    EXPECT_EQ(folder.readRecordsFile(QStringLiteral("TOP.reg")),
              test::pythonCp950(QStringLiteral("\"主視窗大小\",\"1 0 1200 900 12090 7470\"\r\n")));
}

// A layout number that is neither layout opens neither, and the file gets it back unchanged.
TEST_F(Startup, CloseWritesBackALayoutNumberThatIsNeitherLayout) {
    writeSettings(QStringLiteral("\"主視窗大小\",\"7 0 1200 900 12090 7470\"\r\n"));
    MainWindow& w = make();
    ASSERT_TRUE(w.start());
    timer(w, "排列視窗位置")->fire();
    EXPECT_EQ(w.values().layoutMode, LayoutMode::None);
    w.resize(12090 / 15, 7470 / 15);
    w.closeProgram();
    EXPECT_EQ(folder.readRecordsFile(QStringLiteral("TOP.reg")),
              test::pythonCp950(QStringLiteral("\"主視窗大小\",\"7 0 1200 900 12090 7470\"\r\n")));
}

TEST_F(Startup, CloseOnFirstStartAppendsSimpleLayoutPlacement) {
    MainWindow& w = make();
    ASSERT_TRUE(w.start());
    timer(w, "排列視窗位置")->fire();
    w.move(300 / 15, 600 / 15);
    w.closeProgram();
    EXPECT_EQ(folder.readRecordsFile(QStringLiteral("TOP.reg")),
              test::pythonCp950(QStringLiteral("\"主視窗大小\",\"0 0 300 600 6000 7470\"\r\n")));
}

TEST_F(Startup, DamagedSettingsRepairEndsTheProgramBeforeApplying) {
    writeSettings(QStringLiteral("\"印表裝置\",\"1\"\r\n\"odd\"\r\n"));
    MainWindow& w = make();
    EXPECT_FALSE(w.start());
    EXPECT_EQ(control.endings, 1);
    EXPECT_EQ(control.lastCode, 0);
    EXPECT_EQ(messages.titles(), (QStringList{"檔案 修復提示", "完成修復提示"}));
    EXPECT_EQ(w.values().printing.printerKind, 0);
}

TEST_F(Startup, UnrepairableSettingsAreDeletedAndStartGoesOn) {
    writeSettings(QStringLiteral("\"a\",\"b\",\"c\"\r\n"));
    MainWindow& w = make();
    EXPECT_TRUE(w.start());
    EXPECT_EQ(control.endings, 0);
    EXPECT_FALSE(QFile::exists(folder.recordsFile(QStringLiteral("TOP.reg"))));
}

TEST_F(Startup, SettingsFileThatIsAFolderEndsWithAMessage) {
    QDir().mkpath(folder.recordsFile(QStringLiteral("TOP.reg")));
    MainWindow& w = make();
    EXPECT_FALSE(w.start());
    EXPECT_EQ(control.endings, 1);
    EXPECT_EQ(messages.titles(), (QStringList{"資料夾錯誤"}));
}

namespace {
class ReadOnlyFileSystem : public LocalFileSystem {
public:
    bool createFolder(const QString&) override { return false; }
};
} // namespace

TEST(StartupFolders, UnwritableDataFolderEndsWithAMessage) {
    test::TempDataFolder folder(false);
    ReadOnlyFileSystem files;
    test::ScriptedMessageBoxes messages;
    test::FakeSystemServices system = test::shellSystem();
    test::RecordingControl control;
    MainWindow w(ShellServices{folder.location(), files, messages, system, control});
    EXPECT_FALSE(w.start());
    EXPECT_EQ(control.lastCode, 1);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
}

// Two real processes on one program folder: the second ends at once with status 0 and the first
// keeps running.
TEST(SingleInstance, SecondCopyEndsSilently) {
    test::TempDataFolder folder(false);
    const QString program = QStringLiteral(BREVMARK_BINARY_DIR "/src/app/brevmark");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("BREVMARK_HOME"), folder.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(program, {});
    ASSERT_TRUE(first.waitForStarted(5000));
    // Wait until the first copy has made its folders, so it surely holds the lock.
    for (int i = 0; i < 100 && !QDir(folder.location().recordsFolder()).exists(); ++i)
        QThread::msleep(50);
    ASSERT_TRUE(QDir(folder.location().recordsFolder()).exists());

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(program, {});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished(5000);
}
