#include "records/SettingsStore.h"
#include "platform/LocalFileSystem.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDataFolder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace brevmark;
using Entry = SettingsStore::Entry;

namespace {

// How a start of the program went with the file, as the shell loads it: a damaged file is
// announced, repaired and, once rebuilt, ends the program.
enum class Result { Loaded, RepairedEndProgram, RepairedDeleted, RepairVanished, NotRepaired };

class SettingsStoreTest : public ::testing::Test {
protected:
    test::TempDataFolder folder;
    test::FaultyFileSystem files;
    test::ScriptedMessageBoxes messages;
    SettingsStore store{files, folder.location().recordsFolder()};

    void SetUp() override { showFailures(store); }
    // The boxes the shell shows for a write that failed.
    void showFailures(SettingsStore& s) {
        QObject::connect(
            &s, &SettingsStore::writeFailed, &s,
            [this](const QString& title, const QString& text) { messages.warn(title, text); });
    }
    Result load(SettingsStore& s) {
        if (s.load() == SettingsStore::LoadResult::Loaded)
            return Result::Loaded;
        messages.warn(SettingsStore::repairTitle(), SettingsStore::repairText());
        switch (s.repair()) {
        case SettingsStore::RepairResult::RebuiltEndProgram:
            messages.inform(SettingsStore::repairedTitle(), SettingsStore::repairedText());
            return Result::RepairedEndProgram;
        case SettingsStore::RepairResult::Deleted:
            return Result::RepairedDeleted;
        case SettingsStore::RepairResult::Vanished:
            return Result::RepairVanished;
        case SettingsStore::RepairResult::NotWritten:
            return Result::NotRepaired;
        }
        return Result::NotRepaired;
    }
    Result load() { return load(store); }

    void writeTop(const QString& utf8Text) {
        folder.writeRecordsFile(QStringLiteral("TOP.reg"), test::pythonCp950(utf8Text));
    }
    QByteArray top() const { return folder.readRecordsFile(QStringLiteral("TOP.reg")); }
};

const QString repairTitle = QStringLiteral("檔案 修復提示");
const QString doneTitle = QStringLiteral("完成修復提示");

} // namespace

TEST_F(SettingsStoreTest, MissingFileGivesEmptyTableAndFirstSetCreatesOneLine) {
    EXPECT_EQ(load(), Result::Loaded);
    EXPECT_TRUE(store.entries().isEmpty());
    EXPECT_TRUE(store.set(QStringLiteral("印表裝置"), QStringLiteral("1")));
    EXPECT_EQ(top(), test::pythonCp950(QStringLiteral("\"印表裝置\",\"1\"\r\n")));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(SettingsStoreTest, ReadsPythonWrittenBytesAndWritesThemBackByteForByte) {
    const QString text = QStringLiteral(
        "\"標籤A\",\"條碼★種類★新細明體 ”ㄑ€★名稱★a★b★c★d★自訂★自訂★自訂★自訂★自訂\"\r\n"
        "\"列印解析度\",\"7.2\"\r\n");
    writeTop(text);
    ASSERT_EQ(load(), Result::Loaded);
    ASSERT_EQ(store.entries().size(), 2);
    EXPECT_EQ(store.value(QStringLiteral("標籤A")),
              QStringLiteral("條碼★種類★新細明體 ”ㄑ€★名稱★a★b★c★d★自訂★自訂★自訂★自訂★自訂"));
    // Setting an existing key to its own value rewrites the file: the bytes must not change.
    store.set(QStringLiteral("列印解析度"), QStringLiteral("7.2"));
    EXPECT_EQ(top(), test::pythonCp950(text));
}

TEST_F(SettingsStoreTest, ExistingKeyRewritesInTableOrderNewKeyAppends) {
    writeTop(QStringLiteral("\"a\",\"1\"\r\n\"b\",\"2\"\r\n"));
    ASSERT_EQ(load(), Result::Loaded);
    store.set(QStringLiteral("a"), QStringLiteral("9"));
    EXPECT_EQ(top(), QByteArray("\"a\",\"9\"\r\n\"b\",\"2\"\r\n"));
    store.set(QStringLiteral("c"), QStringLiteral(""));
    EXPECT_EQ(top(), QByteArray("\"a\",\"9\"\r\n\"b\",\"2\"\r\n\"c\",\"\"\r\n"));
    EXPECT_EQ(store.entries().last(), (Entry{"c", ""}));
}

TEST_F(SettingsStoreTest, AppendLeavesEarlierBytesUntouched) {
    // A line with odd spacing stays exactly as it was when a new key is appended.
    writeTop(QStringLiteral("  \"a\" , \"1\"\r\n"));
    ASSERT_EQ(load(), Result::Loaded);
    store.set(QStringLiteral("b"), QStringLiteral("2"));
    EXPECT_EQ(top(), QByteArray("  \"a\" , \"1\"\r\n\"b\",\"2\"\r\n"));
}

TEST_F(SettingsStoreTest, DuplicateKeysAreAllUpdatedAndAllApplied) {
    writeTop(QStringLiteral("\"k\",\"1\"\r\n\"x\",\"0\"\r\n\"k\",\"2\"\r\n"));
    ASSERT_EQ(load(), Result::Loaded);
    QStringList applied;
    store.forEach(QStringLiteral("k"), [&](const QString& v) { applied << v; });
    EXPECT_EQ(applied, (QStringList{"1", "2"}));
    EXPECT_EQ(store.value(QStringLiteral("k")), QStringLiteral("2"));
    store.set(QStringLiteral("k"), QStringLiteral("5"));
    EXPECT_EQ(top(), QByteArray("\"k\",\"5\"\r\n\"x\",\"0\"\r\n\"k\",\"5\"\r\n"));
}

TEST_F(SettingsStoreTest, OddFieldCountRepairsRewritesAndEndsProgram) {
    writeTop(QStringLiteral("\"a\",\"1\"\r\n\"b\",\"2\",\"extra\"\r\n\"c\",\"3\"\r\n"));
    EXPECT_EQ(load(), Result::RepairedEndProgram);
    ASSERT_EQ(messages.titles(), (QStringList{repairTitle, doneTitle}));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(messages.shown[1].text,
              QStringLiteral("完成：功能設定 記錄檔案修復，程式將自動關閉，請重新執行\r\n"
                             " 若持續出現錯誤 請手動將資料夾內的【TOP】檔案刪除"));
    // The three-field line is dropped; the others survive, empty values too.
    EXPECT_EQ(top(), QByteArray("\"a\",\"1\"\r\n\"c\",\"3\"\r\n"));
}

TEST_F(SettingsStoreTest, RepairKeepsSpacesAndEmptyValuesDropsCommaValues) {
    writeTop(QStringLiteral("\"主視窗大小\",\"1 0 1200 900 12090 7470\"\r\n"
                            "\"e\",\"\"\r\n"
                            "\"bad\",\"has,comma\"\r\n"
                            "\"unterminated"));
    EXPECT_EQ(load(), Result::RepairedEndProgram);
    EXPECT_EQ(top(),
              test::pythonCp950(QStringLiteral("\"主視窗大小\",\"1 0 1200 900 12090 7470\"\r\n"
                                               "\"e\",\"\"\r\n")));
    // The next start loads the rebuilt file without another repair.
    SettingsStore again(files, folder.location().recordsFolder());
    messages.shown.clear();
    EXPECT_EQ(load(again), Result::Loaded);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(SettingsStoreTest, NothingToSaveDeletesFileAndGoesOnWithWhatWasLoaded) {
    // "a","1" loads, then a lone field makes the pairing fail; no line holds exactly two parts.
    writeTop(QStringLiteral("\"a\",\"1\",\"x\"\r\n"));
    EXPECT_EQ(load(), Result::RepairedDeleted);
    EXPECT_EQ(messages.titles(), (QStringList{repairTitle}));
    EXPECT_FALSE(QFile::exists(folder.recordsFile(QStringLiteral("TOP.reg"))));
    ASSERT_EQ(store.entries().size(), 1);
    EXPECT_EQ(store.entries().first(), (Entry{"a", "1"}));
}

TEST_F(SettingsStoreTest, BadBytesAndOnlyCommasNeverCrash) {
    folder.writeRecordsFile(QStringLiteral("TOP.reg"), QByteArray("\"k\x81\x30\",\"\0v\"\r\n", 12));
    EXPECT_EQ(load(), Result::Loaded);
    EXPECT_EQ(store.entries().size(), 1);

    folder.writeRecordsFile(QStringLiteral("TOP.reg"), QByteArray(",,,,,\r\n"));
    SettingsStore commas(files, folder.location().recordsFolder());
    EXPECT_NE(load(commas), Result::RepairedEndProgram);
}

TEST_F(SettingsStoreTest, TwoHundredFiftySecondEntryRepairsOnceAndKeepsProgramKeys) {
    QString text;
    for (int i = 0; i < 600; ++i)
        text += QStringLiteral("\"u%1\",\"v\"\r\n").arg(i);
    text += QStringLiteral("\"列印解析度\",\"6.8\"\r\n");
    writeTop(text);
    EXPECT_EQ(load(), Result::RepairedEndProgram);
    SettingsStore next(files, folder.location().recordsFolder());
    EXPECT_EQ(load(next), Result::Loaded); // no repair loop
    EXPECT_EQ(next.entries().size(), SettingsStore::maxEntries);
    EXPECT_EQ(next.value(QStringLiteral("列印解析度")), QStringLiteral("6.8"));
}

TEST_F(SettingsStoreTest, FullTableMakesRoomForANewKey) {
    QString text;
    for (int i = 0; i < SettingsStore::maxEntries; ++i)
        text += QStringLiteral("\"u%1\",\"v\"\r\n").arg(i);
    writeTop(text);
    ASSERT_EQ(load(), Result::Loaded);
    EXPECT_TRUE(store.set(QStringLiteral("印表裝置"), QStringLiteral("1")));
    EXPECT_EQ(store.entries().size(), SettingsStore::maxEntries);
    SettingsStore next(files, folder.location().recordsFolder());
    EXPECT_EQ(load(next), Result::Loaded);
    EXPECT_EQ(next.value(QStringLiteral("印表裝置")), QStringLiteral("1"));
}

TEST_F(SettingsStoreTest, FailedWriteLeavesOldFileAndTellsTheUser) {
    writeTop(QStringLiteral("\"a\",\"1\"\r\n"));
    ASSERT_EQ(load(), Result::Loaded);
    files.failReplace = files.failAppend = true;
    EXPECT_FALSE(store.set(QStringLiteral("a"), QStringLiteral("2")));
    EXPECT_EQ(top(), QByteArray("\"a\",\"1\"\r\n"));
    EXPECT_EQ(messages.titles(), (QStringList{QStringLiteral("檔案 寫入錯誤")}));
    // No temporary file is left behind either.
    EXPECT_EQ(QDir(folder.location().recordsFolder()).entryList(QDir::Files).size(), 1);
}

TEST_F(SettingsStoreTest, RepairKeepsTheStarsOfTheCaptionKey) {
    const QString captions =
        QStringLiteral("條碼★種類★品 名★自訂★自訂★自訂★自訂★自訂★自訂★自訂★自訂★自訂");
    writeTop(QStringLiteral("\"標籤A\",\"") + captions + QStringLiteral("\"\r\n\"odd\"\r\n"));
    EXPECT_EQ(load(), Result::RepairedEndProgram);
    EXPECT_EQ(top(), test::pythonCp950(QStringLiteral("\"標籤A\",\"") + captions +
                                       QStringLiteral("\"\r\n")));
}

TEST_F(SettingsStoreTest, AQuoteReadFromADamagedFileNeverMakesASecondKey) {
    // Bare fields run to the comma, so a damaged line can hand the table a key and a value that
    // hold double quotes. Written back between quotes unchanged they would split into more
    // fields; they are written without them.
    const QStringList damaged{QStringLiteral("k\"x,v\"1\r\n"), QStringLiteral("a\"\"b,c\"\r\n"),
                              QStringLiteral("\"p\",q\"\"r\r\n")};
    for (const QString& line : damaged) {
        writeTop(line + QStringLiteral("\"z\",\"0\"\r\n"));
        SettingsStore s(files, folder.location().recordsFolder());
        ASSERT_EQ(load(s), Result::Loaded) << line.toStdString();
        const int count = int(s.entries().size());
        s.set(QStringLiteral("z"), QStringLiteral("1")); // rewrites every line
        SettingsStore again(files, folder.location().recordsFolder());
        ASSERT_EQ(load(again), Result::Loaded) << line.toStdString();
        EXPECT_EQ(again.entries().size(), count) << line.toStdString();
        EXPECT_EQ(again.value(QStringLiteral("z")), QStringLiteral("1"));
        EXPECT_FALSE(top().contains("\"\"")) << line.toStdString();
    }
}

TEST_F(SettingsStoreTest, AValueSetIsNotShadowedByADamagedKeyThatTheRewriteMakesTheSame) {
    // The second line lost its opening quote: its key reads 印表裝置" and no reader takes it. A
    // rewrite writes it without the quote, so it would come back as a second 印表裝置 after the
    // one just set, and the next start would apply its old value last.
    writeTop(QStringLiteral("\"印表裝置\",\"1\"\r\n印表裝置\",\"1\"\r\n\"更新設定\",\"0\"\r\n"));
    ASSERT_EQ(load(), Result::Loaded);
    ASSERT_EQ(store.value(QStringLiteral("印表裝置")), QStringLiteral("1"));
    ASSERT_TRUE(store.set(QStringLiteral("印表裝置"), QStringLiteral("0")));
    SettingsStore again(files, folder.location().recordsFolder());
    ASSERT_EQ(load(again), Result::Loaded);
    EXPECT_EQ(again.value(QStringLiteral("印表裝置")), QStringLiteral("0"));
    EXPECT_EQ(again.value(QStringLiteral("更新設定")), QStringLiteral("0"));
}

TEST_F(SettingsStoreTest, ALinkOutOfTheDataFolderIsNeitherRepairedNorRewritten) {
    test::TempDataFolder elsewhere;
    const QString outside = elsewhere.path() + QStringLiteral("/notes.txt");
    const QByteArray precious("\"a\",\"1\"\r\nline the repair would drop\r\n");
    {
        QFile f(outside);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(precious);
    }
    ASSERT_TRUE(QFile::link(outside, folder.recordsFile(QStringLiteral("TOP.reg"))));
    EXPECT_EQ(load(), Result::NotRepaired);
    EXPECT_TRUE(store.set(QStringLiteral("b"), QStringLiteral("2")) == false);
    QFile f(outside);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), precious);
    EXPECT_TRUE(messages.titles().contains(QStringLiteral("檔案 寫入錯誤")));
}

TEST_F(SettingsStoreTest, ARewriteKeepsTheBytesOfEveryEntryItDidNotChange) {
    // A value with a byte that is no code page 950 character, and one with a bare field.
    const QByteArray odd =
        test::pythonCp950(QStringLiteral("\"標籤A\",\"條碼@★種類\"\r\n")).replace('@', '\xA4');
    folder.writeRecordsFile(QStringLiteral("TOP.reg"),
                            odd + test::pythonCp950(QStringLiteral("\"印表裝置\",\"0\"\r\n")));
    ASSERT_EQ(load(), Result::Loaded);
    EXPECT_TRUE(store.set(QStringLiteral("印表裝置"), QStringLiteral("1")));
    EXPECT_EQ(top(), odd + test::pythonCp950(QStringLiteral("\"印表裝置\",\"1\"\r\n")));
    EXPECT_FALSE(top().contains('?'));
}

TEST_F(SettingsStoreTest, AValueBig5CannotHoldIsRefusedAndNeverStoredAsAQuestionMark) {
    writeTop(QStringLiteral("\"a\",\"1\"\r\n"));
    ASSERT_EQ(load(), Result::Loaded);
    const QByteArray before = top();
    for (const QString& key : {QStringLiteral("a"), QStringLiteral("新")}) {
        EXPECT_FALSE(store.set(key, QStringLiteral("类别😀")));
        EXPECT_EQ(top(), before);
    }
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("文字無法儲存"));
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("类　别　😀")));
    EXPECT_EQ(store.value(QStringLiteral("a")), QStringLiteral("1"));
}
