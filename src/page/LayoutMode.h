#pragma once

namespace brevmark {

// The main window's two layouts: the simple one (`簡易版`, one barcode and its entry panels) and
// the professional one (`專業版`, the whole sheet). None until start-up or the user chose one;
// several gestures act only in one of the two.
enum class LayoutMode { None, Simple, Professional };

// The stored layout mode number (the first part of `主視窗大小`): 0 simple, 1 professional, any
// other number neither.
constexpr LayoutMode layoutModeOf(int storedNumber) {
    return storedNumber == 0   ? LayoutMode::Simple
           : storedNumber == 1 ? LayoutMode::Professional
                               : LayoutMode::None;
}

// The number a layout mode is stored as; a mode that is neither layout keeps the number it was
// read from.
constexpr int storedNumberOf(LayoutMode mode, int otherNumber) {
    return mode == LayoutMode::Simple         ? 0
           : mode == LayoutMode::Professional ? 1
                                              : otherNumber;
}

} // namespace brevmark
