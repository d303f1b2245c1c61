#pragma once

#include "manager/FieldCaptions.h"

#include <QRectF>
#include <QSizeF>
#include <optional>

namespace brevmark {

class SettingsStore;

// What the bulk import window takes from the settings store when it opens, in table order:
// `匯入視窗大小` (state, left, top, width, height in twips, separated by spaces), `標籤_數量`
// (the number of the last record field in use; the grid shows one column more than that) and
// `標籤A` (the field captions). On a screen 450 or 600 pixels high the window always opens
// maximised and the stored size is not used.
struct ImportSettings {
    // The window's design size; a stored size is never smaller.
    static constexpr double designWidth = 11970;
    static constexpr double designHeight = 7170;

    bool smallScreen = false;
    bool maximised = false;
    // Left, top, width and height, when a normal placement is stored.
    std::optional<QRectF> geometry;
    int columnCount = 4;
    field_captions::Captions captions = field_captions::defaults();

    static bool isSmallScreen(QSizeF screenTwips);
    static ImportSettings read(const SettingsStore& store, QSizeF screenTwips);
    // The value of `匯入視窗大小` for a window state (0 normal, 1 minimised, 2 maximised) and its
    // normal geometry.
    static QString placementText(int state, const QRectF& geometry);
};

} // namespace brevmark
