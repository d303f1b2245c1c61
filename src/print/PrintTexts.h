#pragma once

#include <QString>

// The texts the print commands and the calibration show.
namespace brevmark::print_texts {

inline QString noticeTitle() {
    return QStringLiteral("提示");
}
inline QString itemFailure(int itemIndex) {
    return QStringLiteral("列印格式 ") + QString::number(itemIndex) +
           QStringLiteral(" 出現故障，無法完整列印");
}
inline QString noPrinter() {
    return QStringLiteral("系統中沒有可用的印表機，無法列印。\n"
                          "請先安裝印表機並把它設為預設印表機。");
}

inline QString printNoticeTitle() {
    return QStringLiteral("打印通知");
}
inline QString standardSheetQuestion() {
    return QStringLiteral("程式將打印出【校正條碼】進行比對，是否進行打印");
}
inline QString advancedSheetQuestion() {
    return QStringLiteral("★注意★ 打印機 需 二張A4紙，小票機 需 55公分距離") + QChar('\n') +
           QStringLiteral("程式將打印出【進階 校正條碼】進行比對，是否進行打印");
}

// The check before a job.
inline QString checkTitle() {
    return QStringLiteral("列印檢查");
}
inline QString checkHeading() {
    return QStringLiteral("列印前檢查發現以下問題：");
}
inline QString itemName(int itemIndex) {
    return itemIndex == 0 ? QStringLiteral("條碼") : QStringLiteral("條碼 ") + QString::number(itemIndex);
}
inline QString symbolClipped() {
    return QStringLiteral("條碼線條超出條碼範圍，會被裁掉而無法掃描");
}
inline QString beyondLabel() {
    return QStringLiteral("比標籤紙大，超出的部分印不出來");
}
inline QString beyondPage() {
    return QStringLiteral("超出紙張範圍，超出的部分印不出來");
}
inline QString beyondPrintable() {
    return QStringLiteral("超出印表機可列印的範圍（紙張邊界），靠邊的部分印不出來");
}
inline QString moduleBelowDot() {
    return QStringLiteral("線條比印表機的一點還細，會印粗，可能無法掃描");
}
inline QString checkQuestion() {
    return QStringLiteral("是否仍要列印？");
}

// Above the calibration rows, in two lines: the default printer, and its dot with the print
// resolution that matches it.
inline QString printerDot(const QString& printer, double dotsPerInch, double dotTwips,
                          const QString& nearestLevel) {
    return QStringLiteral("預設印表機「%1」%3 dpi\n一點 = %2 twips，最接近 %4")
        .arg(printer, QString::number(dotTwips, 'f', 4), QString::number(dotsPerInch),
             nearestLevel);
}
inline QString noDefaultPrinter() {
    return QStringLiteral("沒有預設印表機");
}

inline QString simpleButtonHint() {
    return QStringLiteral("確定列印");
}
inline QString pageButtonHint() {
    return QStringLiteral("確定列印條碼");
}

} // namespace brevmark::print_texts
