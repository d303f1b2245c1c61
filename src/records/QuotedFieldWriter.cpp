#include "records/QuotedFieldWriter.h"

namespace brevmark {

namespace {
// Texts are never escaped, so a double quote inside one (only a damaged file can hold such a
// text) would end the field early and shift every later field: it is left out.
QString quoted(const QString& text) {
    if (!text.contains(QLatin1Char('"')))
        return QLatin1Char('"') + text + QLatin1Char('"');
    return QLatin1Char('"') + QString(text).remove(QLatin1Char('"')) + QLatin1Char('"');
}

QString fieldText(const FieldValue& value) {
    if (const auto* text = std::get_if<QString>(&value))
        return quoted(*text);
    return QString::number(std::get<qint64>(value));
}
} // namespace

QString quotedFieldLine(std::initializer_list<FieldValue> values) {
    QString line;
    bool first = true;
    for (const FieldValue& v : values) {
        if (!first)
            line += QLatin1Char(',');
        line += fieldText(v);
        first = false;
    }
    return line + QStringLiteral("\r\n");
}

QString quotedFieldLine(const QStringList& texts) {
    QString line;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (i > 0)
            line += QLatin1Char(',');
        line += quoted(texts.at(i));
    }
    return line + QStringLiteral("\r\n");
}

} // namespace brevmark
