#pragma once

#include <QString>
#include <QStringList>
#include <variant>

namespace brevmark {

// One value of a quoted-field line: a text is written between double quotes (never escaped: the
// writers clean texts beforehand, and a double quote that still slipped in is left out), a whole
// number as bare digits.
using FieldValue = std::variant<QString, qint64>;

// Builds one quoted-field line, values separated by single commas, ended by CR LF.
QString quotedFieldLine(std::initializer_list<FieldValue> values);
QString quotedFieldLine(const QStringList& texts);

} // namespace brevmark
