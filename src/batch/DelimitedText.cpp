#include "batch/DelimitedText.h"

namespace brevmark {

namespace {
bool isLineEnd(QChar c) {
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}
} // namespace

std::optional<QList<DelimitedText::Row>> DelimitedText::parse(const QString& text, QChar separator,
                                                              QString* error) {
    QList<Row> rows;
    const qsizetype n = text.size();
    qsizetype pos = 0;
    int line = 1;
    while (pos < n) {
        Row row;
        row.line = line;
        // One row: cells until a line end outside quotes.
        for (;;) {
            QString cell;
            if (pos < n && text.at(pos) == QLatin1Char('"')) {
                const int opened = line;
                ++pos;
                for (;;) {
                    if (pos >= n) {
                        *error = QStringLiteral("第 %1 行的引號沒有結束").arg(opened);
                        return std::nullopt;
                    }
                    const QChar c = text.at(pos);
                    if (c == QLatin1Char('"')) {
                        if (pos + 1 < n && text.at(pos + 1) == QLatin1Char('"')) {
                            cell += QLatin1Char('"');
                            pos += 2;
                            continue;
                        }
                        ++pos;
                        break;
                    }
                    if (c == QLatin1Char('\n') ||
                        (c == QLatin1Char('\r') && !(pos + 1 < n && text.at(pos + 1) == '\n')))
                        ++line;
                    cell += c;
                    ++pos;
                }
                if (pos < n && text.at(pos) != separator && !isLineEnd(text.at(pos))) {
                    *error = QStringLiteral("第 %1 行：引號之後還有文字").arg(line);
                    return std::nullopt;
                }
            } else {
                const qsizetype start = pos;
                while (pos < n && text.at(pos) != separator && !isLineEnd(text.at(pos)))
                    ++pos;
                cell = text.mid(start, pos - start);
            }
            row.cells << cell;
            if (pos < n && text.at(pos) == separator) {
                ++pos;
                continue;
            }
            break;
        }
        // The line end.
        if (pos < n && text.at(pos) == QLatin1Char('\r'))
            ++pos;
        if (pos < n && text.at(pos) == QLatin1Char('\n'))
            ++pos;
        ++line;
        const bool empty = row.cells.size() == 1 && row.cells.first().isEmpty();
        if (!empty)
            rows.append(std::move(row));
    }
    return rows;
}

} // namespace brevmark
