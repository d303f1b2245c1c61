// The keys of the settings store and which of them the program knows.
#include "records/SettingsKeys.h"

#include "support/RowNames.h"

#include <gtest/gtest.h>

namespace brevmark {
namespace {
using test::rowName;

struct KeyCase {
    const char* key;
    bool known;
};

class KnownKey : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KnownKey, EveryKeyOfTheProgramAndNoOther) {
    EXPECT_EQ(settings_keys::isKnown(QString::fromUtf8(GetParam().key)), GetParam().known);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KnownKey,
    ::testing::Values(
        KeyCase{"主視窗大小", true}, KeyCase{"列印排列", true}, KeyCase{"標籤A", true},
        KeyCase{"標籤_數量", true}, KeyCase{"標籤_X", true}, KeyCase{"條碼勾選", true},
        KeyCase{"條碼轉圖_字符", true}, KeyCase{"條碼轉圖_粗細", true},
        KeyCase{"條碼管理_預覽", true}, KeyCase{"匯入視窗大小", true}, KeyCase{"印表裝置", true},
        KeyCase{"更新設定", true}, KeyCase{"列印解析度", true}, KeyCase{"使用密碼", true},
        KeyCase{"對齊格式位置_24", true}, KeyCase{"對齊格式位置_96", true},
        KeyCase{"對齊格式位置_", true}, KeyCase{"對齊標籤紙", true},
        KeyCase{"對齊標籤紙位置", true}, KeyCase{"對齊標籤紙_Avery", false},
        // Only the alignment key takes a suffix; case and spaces count.
        KeyCase{"列印解析度2", false}, KeyCase{"標籤a", false}, KeyCase{" 印表裝置", false},
        KeyCase{"對齊格式位置", false}, KeyCase{"", false}, KeyCase{"odd", false}),
    [](const auto& info) {
        return "key" + std::to_string(info.index) + (info.param.known ? "_known" : "_unknown");
    });

TEST(SettingsKeys, ConstantsHoldTheStoredTexts) {
    EXPECT_EQ(settings_keys::mainWindowSize, QStringLiteral("主視窗大小"));
    EXPECT_EQ(settings_keys::printArrangement, QStringLiteral("列印排列"));
    EXPECT_EQ(settings_keys::printerKind, QStringLiteral("印表裝置"));
    EXPECT_EQ(settings_keys::printResolution, QStringLiteral("列印解析度"));
    EXPECT_EQ(settings_keys::alignmentPrefix, QStringLiteral("對齊格式位置_"));
}

} // namespace
} // namespace brevmark
