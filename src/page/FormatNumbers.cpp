#include "page/FormatNumbers.h"

#include "common/Rounding.h"

#include <QRegularExpression>
#include <cmath>

namespace brevmark {

QString FormatNumbers::colourText(QRgb colour) {
    const qint64 value =
        qint64(qRed(colour)) | (qint64(qGreen(colour)) << 8) | (qint64(qBlue(colour)) << 16);
    return QString::number(value);
}

std::optional<double> FormatNumbers::strictNumber(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral("^ *[-+]?(\\d+\\.?\\d*|\\.\\d+)([eE][-+]?\\d+)? *$"));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<QRgb> FormatNumbers::colourFromText(const QString& text) {
    const std::optional<double> value = strictNumber(text);
    if (!value || *value < -2147483648.0 || *value > 2147483647.0)
        return std::nullopt;
    const qint64 whole = roundHalfEvenToInt(*value);
    const int red = int(whole & 0xFF);
    const int green = int((whole >> 8) & 0xFF);
    const int blue = int((whole >> 16) & 0xFF);
    return qRgb(red, green, blue) & 0xFFFFFF;
}

std::optional<bool> FormatNumbers::boolFromText(const QString& text) {
    const QString word = text.trimmed();
    if (word.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const std::optional<double> value = strictNumber(text))
        return *value != 0;
    return std::nullopt;
}

} // namespace brevmark
