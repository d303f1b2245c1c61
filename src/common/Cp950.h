#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

namespace brevmark::cp950 {

// Text files of the program are in code page 950 (Big5, Microsoft's variant).
// Bytes that are not valid code page 950 decode to U+FFFD; characters that code page 950 cannot
// hold encode as "?". Neither ever fails.
QString decode(const QByteArray& bytes);
QByteArray encode(const QString& text);

// True when every character of the text survives a round trip through code page 950.
bool canEncode(const QString& text);

// The characters of the text that code page 950 cannot hold, each once, in the order they first
// occur (a character outside the Basic Multilingual Plane stays whole). Empty when canEncode.
QString unencodableCharacters(const QString& text);
// Those characters one by one for a message, separated by ideographic spaces ("a　b").
QString listedCharacters(const QString& characters);

// True when every byte is below 0x80: the bytes are the text's characters, one each.
bool isAscii(QByteArrayView bytes);

// Decodes many short texts one after another with one decoder, as making a decoder costs far
// more than decoding a field. Each text is decoded on its own, as the same bytes inside a whole
// file decode: a lead byte left alone at its end becomes U+FFFD, since a field of a file is
// always followed by a quote, a comma or a line end.
class FieldDecoder {
public:
    FieldDecoder();
    QString decode(QByteArrayView bytes);
    // At most `maxCharacters` characters of the text; *cut (when given) says whether it was
    // longer. Only as many bytes are decoded as those characters can take.
    QString decode(QByteArrayView bytes, qsizetype maxCharacters, bool* cut);

private:
    QStringDecoder decoder_;
};

} // namespace brevmark::cp950
