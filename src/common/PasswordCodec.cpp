#include "common/PasswordCodec.h"

#include "common/Cp950.h"
#include "common/Rounding.h"

#include <QByteArray>

namespace brevmark::password_codec {

namespace {

constexpr int lowestKey = 65;
constexpr int keyCount = 26;

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

// The value of one or two hexadecimal digits, or -1 when any of them is not one.
int hexValue(QStringView digits) {
    int value = 0;
    for (QChar c : digits) {
        const int d = hexDigit(c);
        if (d < 0)
            return -1;
        value = value * 16 + d;
    }
    return value;
}

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

QString encodeWithKey(const QString& password, int key) {
    if (password.isEmpty())
        return {};
    QString out = twoDigits(key);
    for (const char byte : cp950::encode(password))
        out += twoDigits((static_cast<unsigned char>(byte) + key) % 256);
    return out;
}

QString encode(const QString& password, double randomUnit) {
    const int key =
        qBound(lowestKey, int(randomUnit * keyCount + lowestKey), lowestKey + keyCount - 1);
    return encodeWithKey(password, key);
}

QString decode(const QString& stored) {
    if (stored.isEmpty())
        return {};
    const int key = hexValue(QStringView(stored).left(2));
    if (key < 0)
        return {};
    const QStringView rest = QStringView(stored).mid(qMin<qsizetype>(2, stored.size()));
    const auto count = roundHalfEvenToInt(rest.size() / 2.0);
    if (count <= 0)
        return {};
    QByteArray bytes;
    bytes.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        const int read = hexValue(rest.mid(2 * i, 2));
        int v = (read < 0 ? 0 : read) - key;
        if (v < 0)
            v += 256;
        bytes.append(char(v));
    }
    return cp950::decode(bytes);
}

} // namespace brevmark::password_codec
