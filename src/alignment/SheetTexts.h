#pragma once

#include <QString>

namespace brevmark {

// Messages about the stock sheets of the template database, shown by the windows.
class SheetTexts {
public:
    static QString fillTitle() { return QStringLiteral("填滿標籤紙"); }
    static QString nothingToFill() {
        return QStringLiteral("沒有可複製的條碼：請先雙擊要印在每張標籤上的條碼（或用功能選項的"
                              "「複製格式」），再填滿標籤紙。");
    }
    static QString replaceItemsQuestion(int items) {
        return QStringLiteral("紙張上有 %1 個條碼。填滿標籤紙會先刪除它們，再在每張標籤上放一個"
                              "複製的條碼。要繼續嗎？")
            .arg(items);
    }
    static QString pageFull(int labels, int made) {
        return QStringLiteral(
                   "這種標籤紙有 %1 張標籤，紙張上最多只能放 %2 個條碼：只填了前 %2 張。")
            .arg(labels)
            .arg(made);
    }
    static QString noDatabase(const QString& userFolder) {
        return QStringLiteral("找不到標籤紙範本資料庫。請安裝 glabels-data，或把範本檔放在 ") +
               userFolder;
    }
};

} // namespace brevmark
