#pragma once

#include <QString>

namespace brevmark {

// The names of the page history's steps, and what the hint line says when the user takes one
// back or does it again.
class HistoryTexts {
public:
    static QString addItems() { return QStringLiteral("增加條碼"); }
    static QString fillSheet() { return QStringLiteral("填滿標籤紙"); }
    static QString takeLayout() { return QStringLiteral("取用排版"); }
    static QString deleteItem() { return QStringLiteral("刪除條碼"); }
    static QString clearPage() { return QStringLiteral("清除紙張"); }
    static QString moveItem() { return QStringLiteral("移動條碼"); }
    static QString resizeItem() { return QStringLiteral("調整條碼大小"); }
    static QString arrange() { return QStringLiteral("自動排列"); }
    static QString typeBarcode() { return QStringLiteral("輸入條碼"); }
    static QString serialStep() { return QStringLiteral("流水加減"); }
    static QString pickRecord() { return QStringLiteral("載入條碼記錄"); }
    static QString changeLook() { return QStringLiteral("修改條碼設定"); }
    static QString moveSymbol() { return QStringLiteral("移動條碼位置"); }
    static QString applyFormat() { return QStringLiteral("套用條碼格式"); }
    static QString addLabel() { return QStringLiteral("增加文字標籤"); }
    static QString addImage() { return QStringLiteral("增加圖片"); }
    static QString deleteTag(bool image) {
        return image ? QStringLiteral("刪除圖片") : QStringLiteral("刪除文字標籤");
    }
    static QString moveTag(bool image) {
        return image ? QStringLiteral("移動圖片") : QStringLiteral("移動文字標籤");
    }
    static QString resizeImage() { return QStringLiteral("調整圖片大小"); }
    static QString changeLabel() { return QStringLiteral("修改文字標籤"); }
    static QString changePicture() { return QStringLiteral("更換圖片"); }
    static QString replaceAll() { return QStringLiteral("全部修改"); }
    static QString paperSize() { return QStringLiteral("紙張大小"); }
    static QString orientation() { return QStringLiteral("列印方向"); }

    static QString undone(const QString& step) {
        return QStringLiteral("已復原【") + step + QStringLiteral("】　再做一次：Ctrl+Y");
    }
    static QString redone(const QString& step) {
        return QStringLiteral("已重做【") + step + QStringLiteral("】　復原：Ctrl+Z");
    }
    static QString nothingToUndo() { return QStringLiteral("沒有可以復原的編輯"); }
    static QString nothingToRedo() { return QStringLiteral("沒有可以重做的編輯"); }
    static QString cleared(int count) {
        return QStringLiteral("已清除紙張內的 ") + QString::number(count) +
               QStringLiteral(" 個條碼　復原：Ctrl+Z");
    }
};

} // namespace brevmark
