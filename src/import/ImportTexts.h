#pragma once

#include "records/RecordFileTexts.h"
#include "symbology/BarcodeText.h"

#include <QList>
#include <QString>
#include <QStringList>

// The hints and messages of the bulk import window, word for word as users know them.
namespace brevmark::import_texts {

inline const QString caption = QStringLiteral("多筆條碼匯入-功能");
inline const QString errorTitle = QStringLiteral("錯誤提示");
inline const QString excessTitle = QStringLiteral("過量提示");

// Range handle `指標`.
inline const QString handleTooltip = QStringLiteral("記錄筆數");
inline const QString handleDragging = QStringLiteral("放開滑鼠，確定表格輸入範圍");
inline const QString handleHover = QStringLiteral("按住滑鼠左鍵，上下移動，增加表格輸入範圍");

// Cells, the cell editor, headers and row labels.
inline const QString cellHover =
    QStringLiteral("功能提示：１點擊表格，輸入修改內容　２按滑鼠右鍵【貼入文字】資料內容");
inline const QString editorOpen =
    QStringLiteral("功能提示：１按鍵盤【↑上↓下】按鈕，移動修改位置　２按鍵盤【Enter】完成修改");
inline const QString headerHover =
    QStringLiteral("功能提示：１點擊滑鼠二下，自動調整寬度　２按滑鼠右鍵 開啟格式調整功能");
inline const QString headerSizing = QStringLiteral("功能提示：按住滑鼠左鍵，調整寬度");
inline const QString rowLabelHover = QStringLiteral("功能提示：按滑鼠右鍵 開啟格式調整功能");
inline const QString clearAllHover = QStringLiteral("功能提示：點擊一下 清除所有資料內容");
inline const QString pasteHover =
    QStringLiteral("功能提示：只要文字記錄格式，都可使用此貼上功能，可複製任何文字 或 "
                   "整行資料，貼上後再進行修改");

// The window background and the two toolbar buttons.
inline const QString windowResize = QStringLiteral("按住滑鼠左鍵，移動滑鼠，可調整視窗大小");
inline const QString windowMove = QStringLiteral("按住滑鼠左鍵，移動滑鼠，可調整視窗位置");
inline const QString importHover =
    QStringLiteral("複製 Excel 表格中的資料後，點擊此按鈕將資料匯入");
inline const QString saveHover = QStringLiteral("將下列表格中的資料，新增儲存到【庫存資料】中");
inline const QString minimiseHover = QStringLiteral("視窗 最小化");
inline const QString maximiseHover = QStringLiteral("視窗 最大化");
inline const QString closeHover = QStringLiteral("關閉 多筆條碼匯入");

// The spreadsheet import `記憶匯入` and the paste pop-up `貼上`.
inline const QString importTooLittle =
    QStringLiteral("EXCEL 匯入資料太少，無法進行，請多複製幾行後進行匯入");
inline const QString importNotSpreadsheet =
    QStringLiteral("複製 內的資料並非 EXCEL 格式，請重新複製，EXCEL 表中要匯入的資料");
inline const QString importExcess =
    QStringLiteral("抱歉! 轉入數量一次只能轉入 150 筆，若資料過多請分次進行");
inline const QString pasteTooLittle = QStringLiteral("匯入的資料太少，請多複製幾行後進行貼上");
inline const QString pasteExcess =
    QStringLiteral("抱歉! 匯入數量一次只能匯入 150 筆，若資料過多請分次進行");

// The save `儲存多筆資料`: record p (counted from 1) lacks its barcode or its category.
inline QString barcodeMissing(int record) {
    return QStringLiteral("表格中的：第") + QString::number(record) +
           QStringLiteral("筆【條碼必須輸入】");
}
inline QString fieldMissing(int record, const QString& fieldCaption) {
    return QStringLiteral("表格中的：第") + QString::number(record) + QStringLiteral("筆【") +
           fieldCaption + QStringLiteral("必須輸入】");
}
inline const QString removalTitle = CleanedBarcode::removalTitle();
// The barcodes of these records (counted from 1, in order) lost the characters Code 39 cannot
// hold; runs of records are named by their first and last.
inline QString barcodesCleaned(const QList<int>& records) {
    QStringList runs;
    for (qsizetype i = 0; i < records.size();) {
        qsizetype j = i;
        while (j + 1 < records.size() && records[j + 1] == records[j] + 1)
            ++j;
        runs << (j == i ? QString::number(records[i])
                        : QString::number(records[i]) + QStringLiteral("～") +
                              QString::number(records[j]));
        i = j + 1;
    }
    return CleanedBarcode::removalText() + QStringLiteral("\r\n表格中的：第") +
           runs.join(QStringLiteral("、")) + QStringLiteral("筆");
}
inline const QString unencodableTitle = RecordFileTexts::unencodableTitle();
// Record p, column caption, the characters Big5 lacks.
inline QString unencodable(int record, const QString& fieldCaption, const QString& characters) {
    return QStringLiteral("表格中的：第") + QString::number(record) + QStringLiteral("筆【") +
           fieldCaption + QStringLiteral("】含有 Big5 無法儲存的文字：") + characters +
           QStringLiteral("\r\n請修改這些文字後再儲存，沒有任何資料寫入檔案。");
}

} // namespace brevmark::import_texts
