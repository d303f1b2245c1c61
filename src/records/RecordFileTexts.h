#pragma once

#include <QString>

namespace brevmark {

// What the windows say about the barcode record file 條碼檔.zip: the model returns outcomes, the
// window that meets one shows its text.
class RecordFileTexts {
public:
    // The manager's reads.
    static QString limitTitle() { return QStringLiteral("提示"); }
    static QString tooManyRecords() {
        return QStringLiteral("資料過多、無法全部顯示、請輸入一項要指定查詢的內容後、按下【指定讀取"
                              "】按鈕、顯示只需要查看的資料");
    }
    static QString tooManyMatches() {
        return QStringLiteral("指定讀取的資料過多、無法全部顯示、請輸入更詳細的內容後、按下【指定讀"
                              "取】按鈕、顯示只需要查看的資料");
    }

    // A damaged file, before and after its repair.
    static QString damagedTitle() { return QStringLiteral("自動修復提示"); }
    static QString damagedText() {
        return QStringLiteral("讀取 條碼記錄檔案，時發現錯誤，程式將自動修復錯誤");
    }
    static QString repairedTitle() { return QStringLiteral("完成修復提示"); }
    static QString repairedText() {
        return QStringLiteral("完成：條碼記錄 檔案修復，程式將自動關閉，請重新執行");
    }

    static QString unreadableTitle() { return QStringLiteral("檔案 讀取錯誤"); }
    static QString unreadableText(const QString& path, const QString& reason) {
        return QStringLiteral("無法讀取 條碼記錄檔案：") + path + QStringLiteral("\r\n") + reason;
    }
    static QString writeFailedTitle() { return QStringLiteral("檔案 寫入錯誤"); }
    static QString writeFailedText(const QString& path, const QString& reason) {
        return QStringLiteral("無法寫入 條碼記錄檔案：") + path + QStringLiteral("\r\n") + reason +
               QStringLiteral("\r\n檔案沒有變更。");
    }
    static QString unencodableTitle() { return QStringLiteral("文字無法儲存"); }
    // `listed` are the characters, one by one (cp950::listedCharacters).
    static QString unencodableText(const QString& listed) {
        return QStringLiteral("條碼記錄檔案使用 Big5 文字，無法儲存下列文字：") + listed +
               QStringLiteral("\r\n請修改這些文字後再儲存，檔案沒有變更。");
    }
    // Another desk changed the file after the list was read: the chosen record is not where the
    // list had it.
    static QString staleTitle() { return QStringLiteral("提示"); }
    static QString staleText() {
        return QStringLiteral("條碼記錄檔案在清單讀取之後已被變更（可能是另一台電腦的 Brevmark），"
                              "選取的記錄已不在原來的位置，檔案沒有變更。\r\n"
                              "清單已重新讀取，請重新選取記錄後再操作一次。");
    }
};

} // namespace brevmark
