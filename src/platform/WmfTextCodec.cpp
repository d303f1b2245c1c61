#include "platform/WmfTextCodec.h"

#include "common/Cp950.h"

#include <QStringDecoder>

namespace brevmark {

namespace {

constexpr const char* cp950Name = "windows-950";

bool hasNonAscii(QByteArrayView bytes) {
    for (char c : bytes)
        if (uchar(c) >= 0x80)
            return true;
    return false;
}

QByteArray codecForCharset(int charset, bool chineseFace) {
    switch (charset) {
    case 0: // ANSI_CHARSET
    case 2: // SYMBOL_CHARSET
        return chineseFace ? cp950Name : "windows-1252";
    case 128:
        return "Shift_JIS";
    case 129:
        return "windows-949";
    case 134:
        return "GBK";
    case 161:
        return "windows-1253";
    case 162:
        return "windows-1254";
    case 177:
        return "windows-1255";
    case 178:
        return "windows-1256";
    case 186:
        return "windows-1257";
    case 204:
        return "windows-1251";
    case 222:
        return "windows-874";
    case 238:
        return "windows-1250";
    default:
        return cp950Name;
    }
}

QString decodeWith(const QByteArray& codec, QByteArrayView bytes) {
    if (codec == cp950Name)
        return cp950::decode(bytes.toByteArray());
    QStringDecoder decoder(codec.constData());
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

} // namespace

WmfTextCodec::WmfTextCodec(int charset, QByteArrayView faceBytes)
    : codec_(codecForCharset(charset, hasNonAscii(faceBytes))),
      // Face names are in the system code page unless the set names another.
      face_(decodeWith(codec_ == "windows-1252" ? QByteArray(cp950Name) : codec_, faceBytes)) {}

QString WmfTextCodec::decode(QByteArrayView bytes) const {
    return decodeWith(codec_, bytes);
}

bool WmfTextCodec::isLeadByte(uchar byte) const {
    if (codec_ == "Shift_JIS")
        return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    if (codec_ == cp950Name || codec_ == "windows-949" || codec_ == "GBK")
        return byte >= 0x81 && byte <= 0xFE;
    return false;
}

} // namespace brevmark
