#include "records/ShownText.h"

namespace brevmark {

int ShownText::byteWidth(const QString& text) {
    int width = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        width += c.unicode() < 0x80 ? 1 : 2;
    }
    return width;
}

QString ShownText::cut(const QString& text, int width) {
    // Most texts are short: only a text of more characters than half the width can be too wide.
    if (text.size() <= width / 2 || byteWidth(text) <= width)
        return text;
    const QChar mark(0x2026); // …, two bytes wide
    int used = 0;
    qsizetype end = 0;
    while (end < text.size()) {
        const bool pair = text.at(end).isHighSurrogate() && end + 1 < text.size();
        const int w = text.at(end).unicode() < 0x80 ? 1 : 2;
        if (used + w > width - 2)
            break;
        used += w;
        end += pair ? 2 : 1;
    }
    return text.left(end) + mark;
}

} // namespace brevmark
