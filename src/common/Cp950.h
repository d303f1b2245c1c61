#pragma once

#include <QByteArray>
#include <QString>

namespace brevmark::cp950 {

// Text files of the program are in code page 950 (Big5, Microsoft's variant).
// Bytes that are not valid code page 950 decode to U+FFFD (a double-byte character cut off at the
// end too); characters that code page 950 cannot hold encode as "?". Neither ever fails.
QString decode(const QByteArray& bytes);
QByteArray encode(const QString& text);

// True when every character of the text survives a round trip through code page 950.
bool canEncode(const QString& text);

// The characters of the text that code page 950 cannot hold, each once, in the order they first
// occur (a character outside the Basic Multilingual Plane stays whole). Empty when canEncode.
QString unencodableCharacters(const QString& text);
// Those characters one by one for a message, separated by ideographic spaces ("a　b").
QString listedCharacters(const QString& characters);

} // namespace brevmark::cp950
