#include "symbology/BarcodeText.h"

#include "platform/MessageBoxes.h"

namespace brevmark {

bool isBarcodeCharacter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') ||
           u == u'-' || u == u' ' || u == u'.' || u == u'/' || u == u'+';
}

QString cleanBarcodeText(const QString& text, MessageBoxes& messages) {
    if (text.isEmpty())
        return {};
    QString result;
    result.reserve(text.size());
    bool dropped = false;
    for (const QChar c : text) {
        if (isBarcodeCharacter(c))
            result.append(c);
        else
            dropped = true;
    }
    if (dropped)
        messages.inform(QStringLiteral("移除提示"),
                        QStringLiteral("記錄的條碼中含有不能使用的文字，程式將自動清除"));
    return result;
}

namespace {
bool breaksQuotedField(QChar c) {
    switch (c.unicode()) {
    case 13:
    case 10:
    case u'"':
    case u',':
    case u'\u201D': // ” (A1A8 in code page 950)
    case u'\u3111': // ㄑ (A3A2 in code page 950)
    case u'\u2605': // ★
        return true;
    default:
        return false;
    }
}
} // namespace

QString cleanField(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (const QChar c : text)
        if (!breaksQuotedField(c))
            result.append(c);
    return result;
}

} // namespace brevmark
