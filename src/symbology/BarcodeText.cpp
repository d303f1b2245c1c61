#include "symbology/BarcodeText.h"

namespace brevmark {

bool isBarcodeCharacter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') ||
           u == u'-' || u == u' ' || u == u'.' || u == u'/' || u == u'+';
}

CleanedBarcode cleanBarcodeText(const QString& text) {
    CleanedBarcode cleaned;
    cleaned.text.reserve(text.size());
    for (const QChar c : text) {
        if (isBarcodeCharacter(c))
            cleaned.text.append(c);
        else
            cleaned.dropped = true;
    }
    return cleaned;
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
