#include "manager/DateChoice.h"

#include <QRegularExpression>

namespace brevmark::date_choice {

QStringList years(int currentYear) {
    QStringList list;
    for (int y = 2005; y <= currentYear + 3; ++y)
        list << QString::number(y) + bareYear;
    return list;
}

QStringList months() {
    QStringList list;
    for (int m = 1; m <= 12; ++m)
        list << QString::number(m) + bareMonth;
    return list;
}

Days daysOfMonth(const QString& year, const QString& month, const QString& rememberedDay) {
    Days result{{}, rememberedDay};
    const int y = QString(year).remove(bareYear).toInt();
    const int m = QString(month).remove(bareMonth).toInt();
    if (year == bareYear || month == bareMonth || !QDate::isValid(y, m, 1))
        return result;
    const int last = QDate(y, m, 1).addMonths(1).addDays(-1).day();
    for (int d = 1; d <= last; ++d)
        result.days << QString::number(d) + bareDay;
    if (!parse(year + month + rememberedDay))
        result.day = bareDay;
    return result;
}

std::optional<QDate> parse(const QString& text) {
    if (text.size() < 8)
        return std::nullopt;
    static const QRegularExpression form(QStringLiteral(
        "^\\s*(\\d{4})(?:年(\\d{1,2})月(\\d{1,2})日|([/-])(\\d{1,2})\\4(\\d{1,2}))\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int y = m.captured(1).toInt();
    const bool chinese = !m.captured(2).isEmpty();
    const int month = (chinese ? m.captured(2) : m.captured(5)).toInt();
    const int day = (chinese ? m.captured(3) : m.captured(6)).toInt();
    const QDate date(y, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QString text(QDate date) {
    return QStringLiteral("%1年%2月%3日").arg(date.year()).arg(date.month()).arg(date.day());
}

QString yesterday(const QString& fieldText, QDate today) {
    const std::optional<QDate> shown = parse(fieldText);
    return text((shown ? *shown : today).addDays(-1));
}

} // namespace brevmark::date_choice
