#pragma once

#include <QString>

// The keys of the settings store, each declared once in the table below: the name of its
// constant, its text, and whether it is a prefix that a number follows. The constants and the
// list of known keys are both made from the table, so a new key is one line.
#define BREVMARK_SETTINGS_KEYS(KEY)                                                                \
    KEY(mainWindowSize, "主視窗大小", false)                                                       \
    KEY(printArrangement, "列印排列", false)                                                       \
    KEY(fieldCaptions, "標籤A", false)                                                             \
    KEY(fieldCount, "標籤_數量", false)                                                            \
    KEY(columnPositions, "標籤_X", false)                                                          \
    KEY(fieldTicks, "條碼勾選", false)                                                             \
    KEY(pictureText, "條碼轉圖_字符", false)                                                       \
    KEY(pictureThickness, "條碼轉圖_粗細", false)                                                  \
    KEY(managerPreview, "條碼管理_預覽", false)                                                    \
    KEY(importWindowSize, "匯入視窗大小", false)                                                   \
    KEY(printerKind, "印表裝置", false)                                                            \
    KEY(updateSetting, "更新設定", false)                                                          \
    KEY(printResolution, "列印解析度", false)                                                      \
    KEY(password, "使用密碼", false)                                                               \
    /* the stock sheet of the template database last chosen, "BRAND PART", and its offset */       \
    KEY(alignmentSheet, "對齊標籤紙", false)                                                       \
    KEY(alignmentSheetOffset, "對齊標籤紙位置", false)                                             \
    /* followed by a label-sheet format number */                                                  \
    KEY(alignmentPrefix, "對齊格式位置_", true)

namespace brevmark::settings_keys {

#define BREVMARK_SETTINGS_KEY_CONSTANT(name, text, isPrefix)                                       \
    inline const QString name = QStringLiteral(text);
BREVMARK_SETTINGS_KEYS(BREVMARK_SETTINGS_KEY_CONSTANT)
#undef BREVMARK_SETTINGS_KEY_CONSTANT

// Whether the program itself reads the key: one of the table, or a prefix of the table followed
// by more text.
bool isKnown(const QString& key);

} // namespace brevmark::settings_keys
