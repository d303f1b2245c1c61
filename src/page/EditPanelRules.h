#pragma once

#include "symbology/BarcodeAppearance.h"

#include <QString>

namespace brevmark {

// The rules of the barcode edit panel `條碼輸入區` that do not depend on its widgets: the eight
// adjust buttons `調整位置` and the hint texts of its controls.
class EditPanelRules {
public:
    static constexpr int adjustButtonCount = 8;

    // Applies adjust button `index` (0 to 7) to a symbol; true when anything changed. Symbol top
    // and left stay at 0 or more, bar height at 120 or more, bar width within 1 to 6.
    static bool nudge(BarcodeAppearance& symbol, int index);
    static QString adjustHint(int index);

    static QString showTextHint(bool ticked);
    static QString alignmentHint(bool ticked);
    static QString boldHint(bool ticked);
    static QString borderHint(bool ticked, bool labelPrinter);
    static QString entryHint(bool recordFileExists);
    static QString deleteButtonHint() { return QStringLiteral("【刪除】條碼編輯區"); }
    static QString swatchHint() { return QStringLiteral("設定條碼底色"); }
    static QString closeButtonHint() { return QStringLiteral("關閉 功能視窗"); }
    static QString textSizeHint() { return QStringLiteral("設定 條碼識別字符 大小"); }
    static QString widthRatioHint(int index) {
        return QStringLiteral("條碼格式【") + widthRatioCaption(index) + QStringLiteral("】");
    }

    // The captions of the width ratio options `格式設定` 0 to 3.
    static QString widthRatioCaption(int index);
    // The sizes the text size list `識符字大小` offers.
    static const QList<int>& textSizes();
};

} // namespace brevmark
