#pragma once

#include <QString>

// The stored form of the start-up password (part of the conversion module `換算模組`): two
// upper-case hexadecimal digits holding a key k (65 to 90), then two for every code page 950
// byte b of the password holding (b + k) mod 256. The scramble only keeps the password from being
// read at a glance; it is not encryption.
namespace brevmark::password_codec {

// `randomUnit` is a number in [0, 1) that picks the key: k = integer part of (r × 26 + 65).
// An empty password encodes to the empty text.
QString encode(const QString& password, double randomUnit);
// The same with the key given directly (65 to 90).
QString encodeWithKey(const QString& password, int key);

// The password held by a stored value. Half the digits after the key, rounded to the even
// neighbour, are read as pairs; a pair that is not hexadecimal reads as 0 and a lone last digit
// is read alone. A value too short to hold a byte, or whose key is not hexadecimal, holds no
// password (the empty text).
QString decode(const QString& stored);

} // namespace brevmark::password_codec
