#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace brevmark {

// Messages of the barcode format panels and the layout panel.
class FormatTexts {
public:
    // Format record panel.
    static QString noFileTitle() { return QStringLiteral("錯誤提示"); }
    static QString noFileText() { return QStringLiteral("尚未記錄格式"); }
    static QString deleteTitle() { return QStringLiteral("刪除記錄"); }
    static QString deleteFormatQuestion(const QString& name) {
        return QStringLiteral("確定刪除【") + name + QStringLiteral("】條碼格式 記錄");
    }
    static QString previewCutTitle() { return QStringLiteral("提示"); }
    static QString previewCutText(int total, int kept) {
        return QStringLiteral("這個條碼格式有 %1 筆記錄，只能載入前 %2 筆。").arg(total).arg(kept);
    }

    // Save-format panel.
    static QString categoryMissingTitle() { return QStringLiteral("種類 錯誤提示"); }
    static QString categoryMissingText() { return QStringLiteral("[種類] 尚未輸入"); }
    static QString nameMissingTitle() { return QStringLiteral("名稱 錯誤提示"); }
    static QString nameMissingText() { return QStringLiteral("[名稱] 尚未輸入"); }
    static QString fileFullTitle() { return QStringLiteral("無法儲存"); }
    static QString fileFullText(int limit) {
        return QStringLiteral("條碼格式 記錄已達 %1 筆上限，請先刪除不用的條碼格式，再儲存。")
            .arg(limit);
    }

    // Both format files.
    static QString fileErrorTitle() { return QStringLiteral("錯誤提示"); }
    static QString readFailedText(const QString& path, const QString& reason) {
        return QStringLiteral("無法讀取 條碼格式 記錄檔案：") + path + QStringLiteral("\n") +
               reason;
    }
    static QString writeFailedText(const QString& path, const QString& reason) {
        return QStringLiteral("無法寫入 條碼格式 記錄檔案，原有的記錄沒有改變：") + path +
               QStringLiteral("\n") + reason;
    }
    static QString unstorableTitle() { return QStringLiteral("文字 錯誤提示"); }
    static QString unstorableText(const QString& text) {
        return QStringLiteral("【") + text +
               QStringLiteral("】含有記錄檔案無法儲存的字元（Big5 以外的文字），請修改後再儲存。");
    }

    // Layout panel.
    static QString unsafeNameText() {
        return QStringLiteral("[名稱] 不可含有 / 或 \\ 等路徑符號，也不可只有句點");
    }
    static QString tooFewTitle() { return QStringLiteral("無法儲存"); }
    static QString tooFewText() {
        return QStringLiteral("目前紙張內的條碼標籤太少、請建立二個以上的、條碼標籤再儲存");
    }
    static QString layoutFailedTitle() { return QStringLiteral("提示"); }
    static QString saveFailedText() {
        return QStringLiteral("條碼標籤 排列格式 出現故障，無法完整儲存");
    }
    static QString readLayoutFailedText() {
        return QStringLiteral("讀取 排列格式 出現故障，無法完整儲存");
    }
    // Why a save failed, after the failure text.
    static QString layoutTooLargeText(int records, int limit) {
        return saveFailedText() +
               QStringLiteral(
                   "\n排版最多只能儲存 %1 筆記錄（條碼、文字標籤與圖片合計），"
                   "紙張內的條碼標籤共有 %2 筆；請減少條碼標籤、文字標籤或圖片後再儲存。")
                   .arg(limit)
                   .arg(records);
    }
    static QString layoutWriteFailedText(const QString& path, const QString& reason) {
        return saveFailedText() + QStringLiteral("\n無法寫入排版檔案，原有的排版沒有改變：") +
               path + QStringLiteral("\n") + reason;
    }
    static QString layoutMovedTitle() { return QStringLiteral("提示"); }
    static QString layoutMovedText(const QString& name, const QList<int>& items) {
        QStringList numbers;
        for (int n : items)
            numbers << QString::number(n);
        return QStringLiteral("排版【") + name +
               QStringLiteral("】中有 %1 個條碼標籤記錄的位置超出紙張範圍（第 %2 個），"
                              "已移到紙張內，請檢查它們的位置。")
                   .arg(items.size())
                   .arg(numbers.join(QStringLiteral("、")));
    }
    static QString deleteLayoutQuestion(const QString& name) {
        return QStringLiteral("確定刪除【") + name + QStringLiteral("】排版格式 記錄");
    }
    static QString deleteLayoutFailedText(const QString& name) {
        return QStringLiteral("無法刪除【") + name + QStringLiteral("】排版格式 記錄");
    }

    // The page kept between runs.
    static QString keepFailedTitle() { return QStringLiteral("提示"); }
    static QString keepFailedText(const QString& reason) {
        return QStringLiteral("無法保存紙張內的條碼，下次開啟時紙張將是空白的：\n") + reason;
    }

    // Prompt notices.
    static constexpr int addedNotice = 1;
    static constexpr int deletedNotice = 2;
    static constexpr int recordedNotice = 3;
};

} // namespace brevmark
