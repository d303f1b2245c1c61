#include "common/Cp950.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace brevmark::cp950 {

namespace {
constexpr const char* codecName = "windows-950";
}

QString decode(const QByteArray& bytes) {
    QStringDecoder decoder(codecName);
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    QString text = decoder.decode(bytes);
    // A double-byte character cut off at the end is held back for bytes that never come. A line
    // end after it turns it into U+FFFD, as any other byte that is no character: no byte of a file
    // vanishes unseen, so a reader and an append after it see the same last line.
    const QString rest = decoder.decode(QByteArrayView("\n", 1));
    text += QStringView(rest).chopped(1);
    return text;
}

QByteArray encode(const QString& text) {
    QStringEncoder encoder(codecName);
    if (!encoder.isValid())
        return text.toLatin1();
    return encoder.encode(text);
}

bool canEncode(const QString& text) {
    QStringEncoder encoder(codecName);
    const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError() && decode(bytes) == text;
}

QString unencodableCharacters(const QString& text) {
    if (canEncode(text))
        return {};
    QString found;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
                ? 2
                : 1;
        const QString character = text.mid(i, length);
        if (!canEncode(character) && !found.contains(character))
            found += character;
        i += length;
    }
    return found;
}

QString listedCharacters(const QString& characters) {
    QString listed;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        if (!listed.isEmpty())
            listed += QChar(0x3000);
        const bool pair = characters.at(i).isHighSurrogate() && i + 1 < characters.size();
        listed += characters.mid(i, pair ? 2 : 1);
        i += pair ? 1 : 0;
    }
    return listed;
}

} // namespace brevmark::cp950
