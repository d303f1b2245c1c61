#pragma once

#include <QByteArrayView>
#include <QtGlobal>

namespace brevmark {

// One record of a Windows metafile: its function number and its parameter bytes. Every read is
// bounds-checked: a read past the parameters gives 0 and clears ok(), so a short record can be
// told from a real zero.
class WmfRecord {
public:
    WmfRecord(quint16 function, QByteArrayView params) : function_(function), params_(params) {}

    quint16 function() const { return function_; }
    QByteArrayView params() const { return params_; }
    qsizetype wordCount() const { return params_.size() / 2; }
    bool hasWords(qsizetype count) const { return count >= 0 && count <= wordCount(); }

    quint16 word(qsizetype index) const;
    qint16 signedWord(qsizetype index) const { return static_cast<qint16>(word(index)); }
    // Two words, low word first.
    quint32 dword(qsizetype index) const;
    // Bytes from a byte offset; empty (and ok() false) when they do not all lie in the record.
    QByteArrayView bytes(qsizetype offset, qsizetype length) const;

    bool ok() const { return ok_; }

private:
    quint16 function_;
    QByteArrayView params_;
    mutable bool ok_ = true;
};

} // namespace brevmark
