#pragma once

#include <QString>

namespace brevmark {

// Hint line texts and messages of the page editor that belong to no single panel.
class EditorTexts {
public:
    static QString pageHint() {
        return QStringLiteral("功能提示：【Ａ 按滑鼠右鍵 顯示 功能選項】 【Ｂ "
                              "按住滑鼠左鍵，移動滑鼠，調整 紙張位置】");
    }
    static QString simpleItemHint() {
        return QStringLiteral("【Ａ輸入條碼，左鍵】【Ｂ功能選擇，右鍵】【列印 F1】");
    }
    static QString professionalItemHint() {
        return QStringLiteral("功能提示：【Ａ 點擊二下，設定條碼數字】【Ｂ "
                              "功能選擇，滑鼠右鍵】【Ｃ 按住滑鼠左鍵，移動條碼區域】【列印 F1】");
    }
    static QString moveHint() { return QStringLiteral("放開滑鼠，確定移動位置"); }
    static QString symbolHandleHint() { return QStringLiteral("按下滑鼠右鍵，移動調整 條碼位置"); }
    static QString clearPageHint() { return QStringLiteral("清除紙張內的所有條碼"); }
    // Asked once before a page that holds items is cleared.
    static QString clearPageTitle() { return QStringLiteral("清除紙張"); }
    static QString clearPageQuestion() {
        return QStringLiteral("確定清除紙張內的所有條碼？清除後無法復原");
    }
    static QString paperButtonHint() { return QStringLiteral("調整 列印紙張"); }
    static QString paperSizeHint(const QString& caption) {
        return QStringLiteral("紙張大小【") + caption + QStringLiteral("】");
    }
    static QString paperPictureHint() { return QStringLiteral("點選 紙張大小"); }
    static QString orientationHint(bool landscape) {
        return landscape ? QStringLiteral("列印方向【橫印】") : QStringLiteral("列印方向【直印】");
    }
    static QString addBlankCaption() { return QStringLiteral("增加【空白 條碼輸入區】"); }
    static QString addCopiesCaption(int count) {
        return QStringLiteral("增加 ") + QString::number(count) +
               QStringLiteral(" 個複製中的，條碼格式");
    }
    static QString addFromRecordCaption() { return QStringLiteral("增加記錄中的，條碼格式"); }

    // Told when a page already holds every item it can.
    static QString pageFullTitle() { return QStringLiteral("條碼已滿"); }
    static QString pageFullText() {
        return QStringLiteral("紙張內的條碼已達上限 245 個，無法再增加條碼。\n"
                              "請先刪除不需要的條碼，再重新增加。");
    }
};

} // namespace brevmark
