#pragma once

#include "common/Fixed4.h"
#include "page/LayoutMode.h"
#include "records/StoredSetting.h"

#include <QStringList>
#include <cstdint>

namespace brevmark {

// The main window's placement as `主視窗大小` keeps it: layout mode (stored as 0 simple,
// 1 professional), window state (0 normal, 1 minimised, 2 maximised), left, top, width, height
// in twips.
struct WindowPlacement {
    LayoutMode layoutMode = LayoutMode::Simple;
    // The stored number of a layout mode that is neither layout, written back as it was read.
    int otherLayoutNumber = 0;
    int state = 0;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// The keys start-up reads, each with its type: parsed here and nowhere else. A value that does not
// read (a wrong number of parts) is passed over as if the key were missing; numbers are the
// leading number of their text, 0 when there is none.
namespace startup_settings {

// `主視窗大小`: six numbers joined by single spaces.
const StoredSetting<WindowPlacement>& windowPlacement();
// `標籤A`: the captions of record fields 0 to 6, stored as twelve parts joined by "★" (the
// seven captions, then five times "自訂"); captions may hold spaces.
const StoredSetting<QStringList>& fieldCaptions();
// `標籤_數量`: the last record field in use, a 16-bit number.
const StoredSetting<int>& fieldCount();
// `使用密碼`: the start-up password in its stored form, read decoded (empty: none).
const StoredSetting<QString>& password();
// `更新設定`: 0 off, 1 on (2 is the settings window's third choice).
const StoredSetting<int>& updateCheck();
// `印表裝置`: 0 page printer, 1 label printer (a byte).
const StoredSetting<std::uint8_t>& printerKind();
// `列印解析度`: four decimals; a value of zero or below keeps the resolution in force.
const StoredSetting<Fixed4>& printResolution();

} // namespace startup_settings

} // namespace brevmark
