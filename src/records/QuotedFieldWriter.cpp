#include "records/QuotedFieldWriter.h"

namespace brevmark {

namespace {
QString fieldText(const FieldValue& value) {
    if (const auto* text = std::get_if<QString>(&value))
        return QLatin1Char('"') + *text + QLatin1Char('"');
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
        line += QLatin1Char('"') + texts.at(i) + QLatin1Char('"');
    }
    return line + QStringLiteral("\r\n");
}

} // namespace brevmark
