// The bulk import's save names the barcodes it cleaned in one notice: 150 rows copied from a
// spreadsheet with a "*" in every barcode give one 移除提示 box naming them, not 150 boxes, and
// the rows are stored without the "*".
#include "DesktopProgram.h"

#include "import/ImportTexts.h"
#include "import/ui/ImportWindow.h"
#include "manager/ui/RecordManagerWindow.h"
#include "records/BarcodeRecordFile.h"

#include <QTest>

using namespace brevmark;
using namespace brevmark::test;

namespace {

using BulkImportNotice = DesktopProgram;

TEST_F(BulkImportNotice, OneHundredFiftyCleanedBarcodesGiveOneNoticeNamingThem) {
    open();
    QPointer<RecordManagerWindow> manager;
    QPointer<ImportWindow> import;
    ASSERT_TRUE(openBulkImport(manager, import));
    QString copied = QStringLiteral("條碼\t種類\n");
    QString stored;
    for (int i = 1; i <= 150; ++i) {
        copied += QStringLiteral("*S%1*\t水果\n").arg(i);
        stored += QStringLiteral("\"S%1\",\"水果\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",1\r\n")
                      .arg(i);
    }
    ASSERT_TRUE(x_selection::copy(copied.toUtf8()));
    QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->text(), copied, 5000);

    EXPECT_TRUE(stepsKeepTheProgramRunning([&] {
        clickImportToolbar(import, "記憶匯入");
        clickImportToolbar(import, "儲存多筆資料");
    }));
    ASSERT_EQ(boxes.titles(), QStringList{import_texts::removalTitle});
    EXPECT_EQ(boxes.boxes()[0].text,
              QStringLiteral("記錄的條碼中含有不能使用的文字，程式將自動清除\r\n表格中的：第1～150筆"));
    EXPECT_EQ(folder.readRecordsFile(BarcodeRecordFile::fileName()), pythonCp950(stored));
}

} // namespace
