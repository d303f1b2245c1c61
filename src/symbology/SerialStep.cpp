#include "symbology/SerialStep.h"

namespace brevmark {

namespace {
bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
} // namespace

QString serialStep(const QString& text, SerialStep step) {
    // Decimal arithmetic on the digits in place, from the rightmost one leftwards; a carry or
    // borrow out of the leftmost digit is dropped so the text keeps its length.
    QString result = text;
    const QChar wrapFrom = step == SerialStep::Add ? QLatin1Char('9') : QLatin1Char('0');
    const QChar wrapTo = step == SerialStep::Add ? QLatin1Char('0') : QLatin1Char('9');
    const int delta = step == SerialStep::Add ? 1 : -1;
    for (qsizetype i = result.size() - 1; i >= 0; --i) {
        const QChar c = result.at(i);
        if (!isDigit(c))
            continue;
        if (c != wrapFrom) {
            result[i] = QChar(char16_t(c.unicode() + delta));
            break;
        }
        result[i] = wrapTo;
    }
    return result;
}

QString serialStepHint(const QString& entryText, SerialStep step) {
    if (entryText.isEmpty())
        return QStringLiteral("請先輸入條碼，才能使用此功能");
    return step == SerialStep::Add ? QStringLiteral("依照條碼編號【增加一碼】")
                                   : QStringLiteral("依照條碼編號【扣除一碼】");
}

} // namespace brevmark
