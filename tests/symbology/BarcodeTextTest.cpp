#include "symbology/BarcodeText.h"
#include "QStringPrinting.h"
#include "symbology/BarcodeEntry.h"
#include "symbology/EditedBarcode.h"
#include "symbology/EntryPanel.h"

#include "support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

using namespace brevmark;
using brevmark::test::ScriptedMessageBoxes;

namespace {

class CountingPanel : public EntryPanel {
public:
    int hidden = 0;
    void hideEntryPanel() override { ++hidden; }
};

// Records what the change rule does to the edited item, in order.
class RecordingItem : public EditedBarcode {
public:
    QString text = QStringLiteral("OLD");
    QStringList events;
    void setBarcodeText(const QString& t) override {
        text = t;
        events << QStringLiteral("text ") + t;
    }
    void setSymbolHandleVisible(bool visible) override {
        events << (visible ? QStringLiteral("show handle") : QStringLiteral("hide handle"));
    }
    void redrawBarcode() override { events << QStringLiteral("redraw"); }
    void clearBarcodeDrawing() override { events << QStringLiteral("clear"); }
};

TEST(EntryKeyRule, BarcodeCharactersPassAsTyped) {
    CountingPanel panel;
    for (const char16_t c : u"09AZaz-. /+")
        if (c != 0)
            EXPECT_EQ(filterEntryKey(c, panel), std::optional<char16_t>(c)) << char(c);
    EXPECT_EQ(panel.hidden, 0);
}

TEST(EntryKeyRule, OtherCharactersAndControlCodesAreDiscarded) {
    CountingPanel panel;
    for (const char16_t c : {u'*', u'$', u'%', u'#', u'\uFF0C', u'\uFF21', u'\u3000', u'_',
                             char16_t(0), char16_t(10), char16_t(127), char16_t(31)})
        EXPECT_EQ(filterEntryKey(c, panel), std::nullopt) << int(c);
    EXPECT_EQ(panel.hidden, 0);
}

TEST(EntryKeyRule, EditingKeysPassAndEnterAlsoHidesThePanel) {
    CountingPanel panel;
    for (const char16_t c : {char16_t(8), char16_t(9), char16_t(27)})
        EXPECT_EQ(filterEntryKey(c, panel), std::optional<char16_t>(c));
    EXPECT_EQ(panel.hidden, 0);
    EXPECT_EQ(filterEntryKey(13, panel), std::optional<char16_t>(13));
    EXPECT_EQ(panel.hidden, 1);
}

TEST(EntryChangeRule, StoresUpperCaseShowsHandleAndRedraws) {
    RecordingItem item;
    applyEntryChange(QStringLiteral("a1-b"), item);
    EXPECT_EQ(item.text, QStringLiteral("A1-B"));
    EXPECT_EQ(item.events, (QStringList{QStringLiteral("text A1-B"), QStringLiteral("show handle"),
                                        QStringLiteral("redraw")}));
}

TEST(EntryChangeRule, EmptyTextHidesHandleAndClears) {
    RecordingItem item;
    applyEntryChange(QString(), item);
    EXPECT_TRUE(item.text.isEmpty());
    EXPECT_EQ(item.events, (QStringList{QStringLiteral("text "), QStringLiteral("hide handle"),
                                        QStringLiteral("clear")}));
}

TEST(BarcodeTextCleaning, DropsForeignCharactersAndNotifiesOnce) {
    ScriptedMessageBoxes messages;
    EXPECT_EQ(cleanBarcodeText(QStringLiteral("AB*12$%"), messages), QStringLiteral("AB12"));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("移除提示"));
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("記錄的條碼中含有不能使用的文字，程式將自動清除"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
}

TEST(BarcodeTextCleaning, CleanTextsPassUnchangedWithoutNotice) {
    ScriptedMessageBoxes messages;
    EXPECT_EQ(cleanBarcodeText(QStringLiteral("ab-12"), messages), QStringLiteral("ab-12"));
    EXPECT_EQ(cleanBarcodeText(QString(), messages), QString());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST(BarcodeTextCleaning, FullWidthFormsAreDroppedAndResultMayBeEmpty) {
    ScriptedMessageBoxes messages;
    EXPECT_EQ(cleanBarcodeText(QStringLiteral("\uFF21\uFF11＊"), messages), QString());
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST(BarcodeTextCleaning, LongTextsAreCleanedInFull) {
    ScriptedMessageBoxes messages;
    QString text;
    QString expected;
    for (int i = 0; i < 1000; ++i) {
        text += QStringLiteral("A,");
        expected += QLatin1Char('A');
    }
    EXPECT_EQ(cleanBarcodeText(text, messages), expected);
    EXPECT_EQ(messages.shown.size(), 1);
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
