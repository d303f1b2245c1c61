#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace brevmark {

// The rules of the record manager's date picker: a year list from 2005 to three years ahead, a
// month list and a day list, and dates written the way the picker writes them (2021年1月27日).
namespace date_choice {

inline const QString bareYear = QStringLiteral("年");
inline const QString bareMonth = QStringLiteral("月");
inline const QString bareDay = QStringLiteral("日");

QStringList years(int currentYear);
QStringList months();

// `天數查詢`: with a year and a month chosen (neither the bare "年" or "月"), the days "1日" to
// the month's last day, and the day kept when the three still form a date, else the bare "日".
// Without both, no days and the remembered day unchanged.
struct Days {
    QStringList days;
    QString day;
};
Days daysOfMonth(const QString& year, const QString& month, const QString& rememberedDay);

// A text forms a date when it is at least eight characters long and reads as a date: the
// picker's own form, or year/month/day with slashes or hyphens.
std::optional<QDate> parse(const QString& text);
QString text(QDate date);
// "昨天": the day before the date in the field, or before today when the field holds none.
QString yesterday(const QString& fieldText, QDate today);

} // namespace date_choice

} // namespace brevmark
