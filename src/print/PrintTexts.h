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

inline QString simpleButtonHint() {
    return QStringLiteral("確定列印");
}
inline QString pageButtonHint() {
    return QStringLiteral("確定列印條碼");
}

} // namespace brevmark::print_texts
