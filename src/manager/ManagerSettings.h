#pragma once

#include "manager/FieldCaptions.h"

#include <array>

namespace brevmark {

class SettingsStore;

// What the record manager takes from the settings store when it opens, and the texts it stores
// back.
struct ManagerSettings {
    // Left edges of the seven captions in twips, when no `標籤_X` is stored.
    static std::array<double, 7> defaultColumnEdges();

    field_captions::Captions captions = field_captions::defaults();
    std::array<double, 7> columnEdges = defaultColumnEdges();
    // Which fields the list shows (`條碼勾選`).
    std::array<bool, 7> ticks{true, true, true, true, true, true, true};
    // The number of the last field in use (1 to 6) and whether `標籤_數量` was stored.
    int fieldCount = 3;
    bool fieldCountStored = false;
    // The preview: human-readable text, thickness 1 to 5, on or off.
    bool pictureText = true;
    int thickness = 3;
    bool preview = true;

    // Applies the keys in table order (a key stored twice counts twice). A stored thickness below
    // 1 is replaced in the table by "3".
    static ManagerSettings read(SettingsStore& store);

    // `條碼勾選`: seven "0"/"1" flags, then "11111".
    static QString ticksValue(const std::array<bool, 7>& ticks);
    // `標籤_X`: the seven edges, then five times "自訂", separated by single spaces.
    static QString columnEdgesValue(const std::array<double, 7>& edges);
};

} // namespace brevmark
