#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace brevmark {

// How the bytes of metafile text are read: by the character set of the selected font. Fonts that
// name no particular set (DEFAULT_CHARSET, CHINESEBIG5_CHARSET, unknown sets) are read as code
// page 950, the system code page of the machines the pictures come from; ANSI_CHARSET is
// Western unless the font's face name is itself a Chinese one.
class WmfTextCodec {
public:
    WmfTextCodec(int charset, QByteArrayView faceBytes);

    QString decode(QByteArrayView bytes) const;
    // True when the byte starts a two-byte character in this code page.
    bool isLeadByte(uchar byte) const;
    QString faceName() const { return face_; }

private:
    QByteArray codec_;
    QString face_;
};

} // namespace brevmark
