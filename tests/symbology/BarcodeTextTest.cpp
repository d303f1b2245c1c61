#include "symbology/BarcodeText.h"
#include "QStringPrinting.h"
#include "symbology/BarcodeEntry.h"

#include <gtest/gtest.h>

using namespace brevmark;

namespace {

TEST(EntryChangeRule, TheItemTakesTheTextInUpperCase) {
    EXPECT_EQ(itemTextOfEntry(QStringLiteral("a1-b")), QStringLiteral("A1-B"));
    EXPECT_EQ(itemTextOfEntry(QString()), QString());
}

TEST(BarcodeTextCleaning, DropsForeignCharactersAndSaysSoOnce) {
    const CleanedBarcode cleaned = cleanBarcodeText(QStringLiteral("AB*12$%"));
    EXPECT_EQ(cleaned.text, QStringLiteral("AB12"));
    EXPECT_TRUE(cleaned.dropped);
    EXPECT_EQ(CleanedBarcode::removalTitle(), QStringLiteral("移除提示"));
    EXPECT_EQ(CleanedBarcode::removalText(),
              QStringLiteral("記錄的條碼中含有不能使用的文字，程式將自動清除"));
}

TEST(BarcodeTextCleaning, CleanTextsPassUnchangedWithoutNotice) {
    for (const QString& text : {QStringLiteral("ab-12"), QString()}) {
        const CleanedBarcode cleaned = cleanBarcodeText(text);
        EXPECT_EQ(cleaned.text, text);
        EXPECT_FALSE(cleaned.dropped);
    }
}

TEST(BarcodeTextCleaning, FullWidthFormsAreDroppedAndResultMayBeEmpty) {
    const CleanedBarcode cleaned = cleanBarcodeText(QStringLiteral("\uFF21\uFF11＊"));
    EXPECT_EQ(cleaned.text, QString());
    EXPECT_TRUE(cleaned.dropped);
}

TEST(BarcodeTextCleaning, LongTextsAreCleanedInFull) {
    QString text;
    QString expected;
    for (int i = 0; i < 1000; ++i) {
        text += QStringLiteral("A,");
        expected += QLatin1Char('A');
    }
    EXPECT_EQ(cleanBarcodeText(text).text, expected);
}

TEST(FieldCleaning, DropsTheSevenCharactersThatBreakRecordLines) {
    EXPECT_EQ(cleanField(QStringLiteral("a,b\r\nc")), QStringLiteral("abc"));
    EXPECT_EQ(cleanField(QStringLiteral("★名稱★")), QStringLiteral("名稱"));
    EXPECT_EQ(cleanField(QStringLiteral("\"q\" \u201Dr\u3111s")), QStringLiteral("q rs"));
    EXPECT_EQ(cleanField(QString()), QString());
}

TEST(FieldCleaning, KeepsEverythingElse) {
    const QString kept = QStringLiteral("條碼 ABC-123 '“（）＊$%\t；，");
    EXPECT_EQ(cleanField(kept), kept);
}

TEST(FieldCleaning, LongTextsAreCleanedInFull) {
    QString text;
    for (int i = 0; i < 600; ++i)
        text += QStringLiteral("x\"");
    EXPECT_EQ(cleanField(text), QString(600, QLatin1Char('x')));
}

} // namespace
