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
    return decoder.decode(bytes);
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

bool isAscii(QByteArrayView bytes) {
    for (const char c : bytes)
        if (uchar(c) >= 0x80)
            return false;
    return true;
}

FieldDecoder::FieldDecoder() : decoder_(codecName) {}

QString FieldDecoder::decode(QByteArrayView bytes) {
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    if (!decoder_.isValid())
        return QString::fromLatin1(bytes);
    QString text = decoder_.decode(bytes);
    if (uchar(bytes.back()) >= 0x81) {
        // A lead byte still waiting for its partner: what follows in the file ends it.
        text += decoder_.decode(QByteArrayView("\""));
        text.chop(1);
    }
    decoder_.resetState();
    return text;
}

QString FieldDecoder::decode(QByteArrayView bytes, qsizetype maxCharacters, bool* cut) {
    // A character takes one or two bytes: twice the characters in bytes is always enough.
    const qsizetype enough = 2 * maxCharacters + 2;
    QString text = decode(bytes.size() > enough ? bytes.first(enough) : bytes);
    const bool longer = text.size() > maxCharacters;
    if (longer) {
        qsizetype keep = maxCharacters;
        if (keep > 0 && text.at(keep - 1).isHighSurrogate())
            --keep;
        text.truncate(keep);
    }
    if (cut)
        *cut = longer;
    return text;
}

} // namespace brevmark::cp950
