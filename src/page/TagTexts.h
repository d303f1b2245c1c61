#pragma once

#include <QString>

namespace brevmark {

// Hint line texts and captions of text labels, images, the context menu, the arrangement panel
// and the print quantity panel.
class TagTexts {
public:
    static QString labelHint(bool simpleLayout) {
        return simpleLayout ? QStringLiteral("【Ａ 修改標籤，滑鼠右鍵】【Ｂ 按住滑鼠左鍵移動標籤】")
                            : QStringLiteral("功能提示：【Ａ 點擊二下，修改標籤】【Ｂ "
                                             "移動標籤位置，按住滑鼠左鍵托拉】");
    }
    static QString imageHint(bool simpleLayout) {
        return simpleLayout ? QStringLiteral("【Ａ 修改圖片，滑鼠右鍵】【Ｂ 按住滑鼠左鍵移動圖片】")
                            : QStringLiteral("功能提示：【Ａ 點擊二下，修改圖片】【Ｂ "
                                             "移動圖片位置，按住滑鼠左鍵托拉】");
    }
    static QString deleteTagHint(bool image) {
        return image ? QStringLiteral("【刪除】圖片") : QStringLiteral("【刪除】標籤");
    }

    static QString menuHint(int button) {
        switch (button) {
        case 0:
            return QStringLiteral("增加【文字標籤】");
        case 1:
            return QStringLiteral("增加【圖片】");
        case 2:
            return QStringLiteral("複製 條碼設定 格式：複製後，可增加數個，相同條碼");
        case 3:
            return QStringLiteral("讀取 記錄中的 條碼格式");
        case 4:
            return QStringLiteral("儲存 現在編輯的 條碼格式");
        default:
            return {};
        }
    }
    static QString menuCaption(int button) {
        switch (button) {
        case 0:
            return QStringLiteral("增加文字標籤");
        case 1:
            return QStringLiteral("增加圖片");
        case 2:
            return QStringLiteral("複製條碼格式");
        case 3:
            return QStringLiteral("讀取條碼格式");
        case 4:
            return QStringLiteral("儲存條碼格式");
        default:
            return {};
        }
    }

    static QString captionBoxHint() { return QStringLiteral("修改 標籤文字"); }
    static QString boldHint() { return QStringLiteral("粗體"); }
    static QString italicHint() { return QStringLiteral("斜體"); }
    static QString underlineHint() { return QStringLiteral("底線"); }
    static QString colourHint() { return QStringLiteral("文字顏色"); }
    static QString replaceAllHint() { return QStringLiteral("其他條碼內的相同標籤文字，全部修改"); }
    static QString replaceButtonHint() { return QStringLiteral("確定 全部修改 標籤文字"); }
    static QString fontListHint() { return QStringLiteral("設定 標籤字型"); }
    static QString sizeListHint() { return QStringLiteral("設定 標籤文字大小"); }
    static QString takePictureHint() { return QStringLiteral("使用 預覽中的圖片"); }
    static QString deletePictureHint() { return QStringLiteral("刪除 預覽中的圖片檔案"); }
    static QString closeButtonHint() { return QStringLiteral("關閉 功能視窗"); }

    static QString arrangeButtonHint() { return QStringLiteral("自動排列 條碼標籤位置"); }
    static QString modeHint(int mode) {
        switch (mode) {
        case 0:
            return QStringLiteral("單行 上下排列");
        case 1:
            return QStringLiteral("二行 上下排列");
        case 2:
            return QStringLiteral("依照 左右排列");
        default:
            return {};
        }
    }
    static QString alignmentButtonHint() {
        return QStringLiteral("提供常見 A4 標籤貼紙 格式線 對齊參考");
    }
    // Each gap box tells the gap it sets.
    static QString horizontalGapHint() { return QStringLiteral("條碼左右 區隔拒離"); }
    static QString verticalGapHint() { return QStringLiteral("條碼上下 區隔拒離"); }
    static QString startTopHint() { return QStringLiteral("排列開始 最上方 位置"); }
    static QString startLeftHint() { return QStringLiteral("排列開始 最左邊 位置"); }

    static QString quantityStepHint(int button) {
        return button == 0 ? QStringLiteral("增加 列印數量") : QStringLiteral("減少 列印數量");
    }
    static QString quantityBoxHint() { return QStringLiteral("點選 輸入要列印的 條碼數量"); }
    static QString copyCountHint() { return QStringLiteral("要產生的 條碼格式 數量"); }
};

} // namespace brevmark
