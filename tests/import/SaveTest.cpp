// The save `儲存多筆資料`: all rows checked first, then one append; the bytes in the record file
// are compared with what python3's cp950 codec makes of the expected lines.
#include "ImportFixture.h"

#include "import/BulkImport.h"
#include "import/ImportTexts.h"
#include "platform/Clipboard.h"
#include "platform/SystemServices.h"
#include "records/SettingsStore.h"
#include "support/FakeSystemServices.h"
#include "support/FaultyFileSystem.h"
#include "support/TempDataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace brevmark;
using namespace brevmark::test;
using Outcome = ImportSave::Outcome;

namespace {

class TextClipboard : public Clipboard {
public:
    QString held;
    void clear() override { held.clear(); }
    void setText(const QString& text) override { held = text; }
    void setImage(const QImage&) override { held.clear(); }
    QString text() const override { return held; }
};

// One record line as the program stores it: seven fields, five empty ones, the tail 1.
QString line(const QStringList& seven) {
    QStringList fields = seven;
    while (fields.size() < 12)
        fields << QString();
    return QLatin1Char('"') + fields.join(QStringLiteral("\",\"")) + QStringLiteral("\",1\r\n");
}

class ImportSaveTest : public ::testing::Test {
protected:
    TempDataFolder folder;
    FaultyFileSystem files;
    SettingsStore settings{files, folder.location().recordsFolder()};
    TextClipboard clipboard;
    FakeSystemServices system{quietSystem()};
    QList<int> notices;
    BarcodeRecordFile file{files, folder.location().recordsFolder()};
    BulkImport model{
        BulkImport::Services{settings, clipboard, system, file, [this](int n) { notices << n; }},
        hundredPerCharacter};
    // The titles of the messages the save returned.
    static QStringList titles(const ImportSave::Result& result) {
        QStringList titles;
        for (const UserMessage& m : result.messages)
            titles << m.title;
        return titles;
    }

    void SetUp() override {
        settings.load();
        model.open();
    }
    QByteArray records() const { return folder.readRecordsFile(BarcodeRecordFile::fileName()); }
    // Rows of the grid from the cells given, the range set to them.
    void fill(const QList<QStringList>& rows) {
        model.grid().range().setRange(int(rows.size()));
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 0; c < rows[r].size(); ++c)
                model.grid().cells().setText(r, c, rows[r][c]);
    }
    QString cell(int r, int c) const { return model.grid().cells().text(r, c); }
};

TEST_F(ImportSaveTest, RowsAreAppendedAsRecordsByteForByteAndTheGridEmpties) {
    folder.writeRecordsFile(BarcodeRecordFile::fileName(),
                            pythonCp950(line({"OLD", "舊"}).chopped(2))); // no final line end
    fill({{" A-1 ", " 水果 ", "蘋果", "紅,色"}, {"b2", "文具", "", "\"藍\""}, {"C 3", "雜項"}});
    const ImportSave::Result result = model.save();
    EXPECT_EQ(result.outcome, Outcome::Saved);
    EXPECT_TRUE(result.messages.isEmpty());
    EXPECT_EQ(records(), pythonCp950(line({"OLD", "舊"}) + line({" A-1 ", "水果", "蘋果", "紅色"}) +
                                     line({"b2", "文具", "", "藍"}) + line({"C 3", "雜項"})))
        << "the barcode keeps its spaces; the other fields lose commas, quotes and outer spaces";
    EXPECT_EQ(files.appends, 1) << "one append for all rows";
    EXPECT_EQ(notices, (QList<int>{1}));
    EXPECT_EQ(cell(0, 0), QString());
    EXPECT_EQ(cell(2, 1), QString());
    EXPECT_EQ(model.grid().range().count(), 3) << "the range stays";
}

TEST_F(ImportSaveTest, SevenColumnsFillEveryFieldOfTheRecord) {
    settings.set(QStringLiteral("標籤_數量"), QStringLiteral("6"));
    model.open();
    ASSERT_EQ(model.grid().columns().count(), 7);
    fill({{"X1", "甲", "乙", "丙", "丁", "戊", "己"}});
    EXPECT_EQ(model.save().outcome, Outcome::Saved);
    EXPECT_EQ(records(), pythonCp950(line({"X1", "甲", "乙", "丙", "丁", "戊", "己"})));
}

TEST_F(ImportSaveTest, ARowWithoutABarcodeWritesNothingAndNamesTheCell) {
    fill({{"A1", "x"}, {"A2", "x"}, {"", "x"}, {"A4", "x"}});
    const ImportSave::Result result = model.save();
    EXPECT_EQ(result.outcome, Outcome::Refused);
    EXPECT_EQ(result.failing, (ImportSave::Cell{2, 0}));
    EXPECT_EQ(result.messages,
              (QList<UserMessage>{UserMessage::warning(
                  QStringLiteral("錯誤提示"), QStringLiteral("表格中的：第3筆【條碼必須輸入】"))}));
    EXPECT_FALSE(QFileInfo::exists(folder.recordsFile(BarcodeRecordFile::fileName())));
    EXPECT_EQ(files.appends, 0);
    EXPECT_EQ(cell(3, 0), QStringLiteral("A4")) << "the grid keeps its rows";
    EXPECT_TRUE(notices.isEmpty());
}

TEST_F(ImportSaveTest, ACategoryIsNeededUnderItsOwnCaption) {
    settings.set(QStringLiteral("標籤A"),
                 QStringLiteral("條碼★分類★名稱★自訂★自訂★自訂★自訂★自訂★自訂★自訂★自訂★自訂"));
    model.open();
    fill({{"A1", "x"}, {"A2", "  "}});
    const ImportSave::Result result = model.save();
    EXPECT_EQ(result.failing, (ImportSave::Cell{1, 1}));
    ASSERT_EQ(result.messages.size(), 1);
    EXPECT_EQ(result.messages[0].text, QStringLiteral("表格中的：第2筆【分類必須輸入】"));
    EXPECT_EQ(cell(1, 1), QString()) << "the cleaning applied so far stays";
}

TEST_F(ImportSaveTest, BarcodesThatLostCharactersAreNamedInOneNotice) {
    struct Case {
        const char* name;
        QList<QStringList> rows;
        QString named; // the records the notice names; empty: no notice
    };
    const Case cases[] = {
        {"OneRow", {{"ab*12", "x"}}, QStringLiteral("第1筆")},
        {"ARunAndOneMore",
         {{"A*1", "x"}, {"B$2", "x"}, {"C%3", "x"}, {"D4", "x"}, {"E 5＊", "x"}},
         QStringLiteral("第1～3、5筆")},
        {"NoneLost", {{"ab-12", "x"}}, QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fill(c.rows);
        const ImportSave::Result result = model.save();
        EXPECT_EQ(result.outcome, Outcome::Saved);
        if (c.named.isEmpty()) {
            EXPECT_TRUE(result.messages.isEmpty());
            continue;
        }
        ASSERT_EQ(titles(result), QStringList{QStringLiteral("移除提示")});
        EXPECT_EQ(result.messages[0].icon, MessageIcon::Information);
        EXPECT_EQ(result.messages[0].text,
                  QStringLiteral("記錄的條碼中含有不能使用的文字，程式將自動清除\r\n表格中的：") +
                      c.named);
    }
    EXPECT_EQ(records(), pythonCp950(line({"ab12", "x"}) + line({"A1", "x"}) + line({"B2", "x"}) +
                                     line({"C3", "x"}) + line({"D4", "x"}) + line({"E 5", "x"}) +
                                     line({"ab-12", "x"})));
}

TEST_F(ImportSaveTest, ARefusedSaveNamesTheCleanedBarcodesBeforeWhyItStopped) {
    fill({{"A*1", "x"}, {"B2", ""}});
    const ImportSave::Result result = model.save();
    EXPECT_EQ(result.outcome, Outcome::Refused);
    EXPECT_EQ(titles(result), (QStringList{"移除提示", "錯誤提示"}));
    EXPECT_EQ(cell(0, 0), QStringLiteral("A1")) << "the cleaning applied so far stays";
    EXPECT_FALSE(QFileInfo::exists(folder.recordsFile(BarcodeRecordFile::fileName())));
}

TEST_F(ImportSaveTest, TextsBig5CannotHoldAreNamedByRowAndColumnBeforeAnythingIsWritten) {
    fill({{"A1", "x", "好"}, {"A2", "x", "简体😀"}});
    const ImportSave::Result result = model.save();
    EXPECT_EQ(result.outcome, Outcome::Refused);
    EXPECT_EQ(result.failing, (ImportSave::Cell{1, 2}));
    ASSERT_EQ(result.messages.size(), 1);
    EXPECT_EQ(result.messages[0].text,
              import_texts::unencodable(2, QStringLiteral("名稱"), QStringLiteral("简　😀")));
    EXPECT_EQ(files.appends, 0);
}

TEST_F(ImportSaveTest, AFailedWriteKeepsEveryRowAndTheFile) {
    const QByteArray before = pythonCp950(line({"OLD", "舊"}));
    folder.writeRecordsFile(BarcodeRecordFile::fileName(), before);
    fill({{"A1", "x"}, {"A2", "y"}});
    files.failAppend = true;
    const ImportSave::Result result = model.save();
    EXPECT_EQ(result.outcome, Outcome::NotWritten);
    ASSERT_EQ(titles(result), (QStringList{"檔案 寫入錯誤"}));
    EXPECT_TRUE(result.messages[0].text.contains(QStringLiteral("No space left on device")));
    EXPECT_EQ(records(), before);
    EXPECT_EQ(cell(0, 0), QStringLiteral("A1"));
    EXPECT_EQ(cell(1, 1), QStringLiteral("y"));
    EXPECT_TRUE(notices.isEmpty());

    files.failAppend = false;
    EXPECT_EQ(model.save().outcome, Outcome::Saved) << "the kept rows can be saved again";
    EXPECT_EQ(records(), before + pythonCp950(line({"A1", "x"}) + line({"A2", "y"})));
}

TEST_F(ImportSaveTest, AReadOnlyRecordsFolderLosesNoRow) {
    const QString records = folder.location().recordsFolder();
    const auto all = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    QFile::setPermissions(records, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    // Root writes into any folder whatever its mode; sysfs refuses new files even to root.
    const bool asRoot = QFileInfo(records).isWritable();
    if (asRoot) {
        QFile::setPermissions(records, all);
        ASSERT_TRUE(QDir().rmdir(records));
        ASSERT_TRUE(QFile::link(QStringLiteral("/sys/kernel"), records));
    }
    fill({{"A1", "x"}});
    const ImportSave::Result result = model.save();
    EXPECT_EQ(result.outcome, Outcome::NotWritten);
    if (asRoot) {
        QFile::remove(records);
        QDir().mkdir(records);
    }
    QFile::setPermissions(records, all);
    EXPECT_EQ(titles(result), (QStringList{"檔案 寫入錯誤"}));
    EXPECT_FALSE(QFileInfo::exists(folder.recordsFile(BarcodeRecordFile::fileName())));
    EXPECT_EQ(cell(0, 0), QStringLiteral("A1"));
}

TEST_F(ImportSaveTest, AnImportWithoutTheCategoryColumnStopsAtTheFirstRecord) {
    clipboard.setText(QStringLiteral("條碼\t名稱\t數量\nA1\t蘋果\t3\nA2\t梨\t4\n"));
    ASSERT_TRUE(model.importSpreadsheet().changed);
    const ImportSave::Result result = model.save();
    EXPECT_EQ(result.failing, (ImportSave::Cell{0, 1}));
    ASSERT_EQ(result.messages.size(), 1);
    EXPECT_EQ(result.messages[0].text, QStringLiteral("表格中的：第1筆【種類必須輸入】"));
    EXPECT_EQ(files.appends, 0);
}

TEST_F(ImportSaveTest, ClearAllEmptiesEveryCellWithABeepAndKeepsTheRange) {
    fill({{"A1", "x"}, {"A2", "y"}});
    model.grid().cells().setText(190, 11, QStringLiteral("far"));
    model.clearAll();
    EXPECT_EQ(cell(0, 0), QString());
    EXPECT_EQ(cell(190, 11), QString());
    EXPECT_EQ(system.beeps, 1);
    EXPECT_EQ(model.grid().range().count(), 2);
}

TEST_F(ImportSaveTest, TheClipboardCommandsReadTheClipboard) {
    clipboard.setText(QStringLiteral("條碼\t種類\nA1\t水果\nA2\t水果\n"));
    EXPECT_TRUE(model.importSpreadsheet().changed);
    EXPECT_EQ(model.grid().range().count(), 2);
    // A picture on the clipboard holds no text: nothing to paste.
    clipboard.setImage(QImage(4, 4, QImage::Format_RGB32));
    EXPECT_FALSE(model.paste().changed);
    EXPECT_EQ(model.save().outcome, Outcome::Saved);
    EXPECT_EQ(records(), pythonCp950(line({"A1", "水果"}) + line({"A2", "水果"})));
}

} // namespace
