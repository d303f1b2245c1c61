#pragma once

#include <QString>

// The keys of the settings store.
namespace brevmark::settings_keys {

inline const QString mainWindowSize = QStringLiteral("主視窗大小");
inline const QString printArrangement = QStringLiteral("列印排列");
inline const QString fieldCaptions = QStringLiteral("標籤A");
inline const QString fieldCount = QStringLiteral("標籤_數量");
inline const QString columnPositions = QStringLiteral("標籤_X");
inline const QString fieldTicks = QStringLiteral("條碼勾選");
inline const QString pictureText = QStringLiteral("條碼轉圖_字符");
inline const QString pictureThickness = QStringLiteral("條碼轉圖_粗細");
inline const QString managerPreview = QStringLiteral("條碼管理_預覽");
inline const QString importWindowSize = QStringLiteral("匯入視窗大小");
inline const QString printerKind = QStringLiteral("印表裝置");
inline const QString updateSetting = QStringLiteral("更新設定");
inline const QString printResolution = QStringLiteral("列印解析度");
inline const QString password = QStringLiteral("使用密碼");
// Followed by a label-sheet format number.
inline const QString alignmentPrefix = QStringLiteral("對齊格式位置_");

// Whether the program itself reads the key.
bool isKnown(const QString& key);

} // namespace brevmark::settings_keys
