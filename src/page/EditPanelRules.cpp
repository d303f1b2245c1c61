#include "page/EditPanelRules.h"

#include "common/LeadingNumber.h"

#include <QList>
#include <QStringList>
#include <algorithm>

namespace brevmark {

bool EditPanelRules::nudge(BarcodeAppearance& s, int index) {
    const BarcodeAppearance before = s;
    switch (index) {
    case 0:
        s.symbolTop = std::max(0.0f, s.symbolTop - 60);
        break;
    case 1:
        s.symbolTop += 60;
        break;
    case 2:
        s.symbolLeft = std::max(0.0f, s.symbolLeft - 60);
        break;
    case 3:
        s.symbolLeft += 60;
        break;
    case 4:
    case 5: {
        double h = leadingNumber(s.barHeight) + (index == 4 ? -120 : 120);
        if (h < 120)
            h = 120;
        s.barHeight = numberText(h);
        break;
    }
    case 6:
        if (s.barWidth > 1)
            --s.barWidth;
        break;
    case 7:
        if (s.barWidth < 6)
            ++s.barWidth;
        break;
    default:
        return false;
    }
    return s.symbolTop != before.symbolTop || s.symbolLeft != before.symbolLeft ||
           s.barHeight != before.barHeight || s.barWidth != before.barWidth;
}

QString EditPanelRules::adjustHint(int index) {
    switch (index) {
    case 0:
        return QStringLiteral("移動 條碼位置 ↑");
    case 1:
        return QStringLiteral("移動 條碼位置 ↓");
    case 2:
        return QStringLiteral("移動 條碼位置 ←");
    case 3:
        return QStringLiteral("移動 條碼位置 →");
    case 4:
        return QStringLiteral("減少 條碼高度");
    case 5:
        return QStringLiteral("增加 條碼高度");
    case 6:
        return QStringLiteral("條碼 寬度-減細，若使用最細線條，建議格式選擇，正規");
    case 7:
        return QStringLiteral("條碼 寬度+加粗");
    default:
        return {};
    }
}

QString EditPanelRules::showTextHint(bool ticked) {
    return ticked ? QStringLiteral("隱藏 條碼識別字符") : QStringLiteral("使用 條碼識別字符");
}

QString EditPanelRules::alignmentHint(bool ticked) {
    return ticked ? QStringLiteral("集中排列 條碼識別字符")
                  : QStringLiteral("平均排列 條碼識別字符");
}

QString EditPanelRules::boldHint(bool ticked) {
    return ticked ? QStringLiteral("正常 識別字符") : QStringLiteral("加粗 識別字符");
}

QString EditPanelRules::borderHint(bool ticked, bool labelPrinter) {
    if (ticked)
        return QStringLiteral("關閉 條碼外框");
    if (labelPrinter)
        return QStringLiteral("使用 條碼外框");
    return QStringLiteral("使用 條碼外框、注意!使用外框有些印表機會降低清晰度");
}

QString EditPanelRules::entryHint(bool recordFileExists) {
    return recordFileExists
               ? QStringLiteral("說明：【Ａ 輸入條碼數字】【Ｂ 點擊二下選擇 條碼記錄】")
               : QStringLiteral("說明：【輸入條碼數字】");
}

QString EditPanelRules::widthRatioCaption(int index) {
    static const QStringList captions{QStringLiteral("正規"), QStringLiteral("減距"),
                                      QStringLiteral("減粗"), QStringLiteral("雙減")};
    return index >= 0 && index < captions.size() ? captions[index] : QString();
}

const QList<int>& EditPanelRules::textSizes() {
    static const QList<int> sizes{6, 7, 8, 9, 10, 11, 12, 14, 16, 18};
    return sizes;
}

} // namespace brevmark
