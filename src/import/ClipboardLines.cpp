#include "import/ClipboardLines.h"

#include "records/RecordTextPreparation.h"

namespace brevmark::clipboard_lines {

QStringList split(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    lines << text.mid(start);
    return lines;
}

bool hasLineBreak(const QString& text) {
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

int lastLineIndex(const QStringList& lines) {
    int k = int(lines.size()) - 1;
    if (!lines.isEmpty() && record_texts::trimSpaces(lines.last()).isEmpty())
        --k;
    return k;
}

} // namespace brevmark::clipboard_lines
