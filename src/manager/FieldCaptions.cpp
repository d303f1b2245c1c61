#include "manager/FieldCaptions.h"

#include <QStringList>

namespace brevmark::field_captions {

namespace {
const QString custom = QStringLiteral("自訂");
const QString star = QStringLiteral("★");
const QString box = QStringLiteral("□");
} // namespace

QString defaultCaption(int field) {
    switch (field) {
    case 0:
        return QStringLiteral("條碼");
    case 1:
        return QStringLiteral("種類");
    case 2:
        return QStringLiteral("名稱");
    default:
        return custom;
    }
}

Captions defaults() {
    Captions c;
    for (int k = 0; k < 7; ++k)
        c[std::size_t(k)] = defaultCaption(k);
    return c;
}

std::optional<Captions> parse(const QString& value) {
    QString text = value;
    text.replace(QLatin1Char(' '), box);
    text.replace(star, QStringLiteral(" "));
    const QStringList parts = text.split(QLatin1Char(' '));
    if (parts.size() != 12)
        return std::nullopt;
    Captions c;
    for (int k = 0; k < 7; ++k)
        c[std::size_t(k)] = QString(parts.at(k)).replace(box, QStringLiteral(" "));
    return c;
}

QString settingValue(const Captions& captions) {
    QStringList parts(captions.begin(), captions.end());
    for (int i = 0; i < 5; ++i)
        parts << custom;
    return parts.join(star);
}

} // namespace brevmark::field_captions
