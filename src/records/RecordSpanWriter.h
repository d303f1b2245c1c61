#pragma once

#include "records/RecordScanner.h"

#include <QByteArrayView>

class QIODevice;

namespace brevmark {

// Writes records of a quoted-field file one after another into a rewrite, each as the bytes it
// was read with (RecordScanner), or new lines in their place. A record that ended the file
// without a line end gets one as soon as anything follows it, so that it never joins the next.
class RecordSpanWriter {
public:
    explicit RecordSpanWriter(QIODevice& out) : out_(out) {}
    // Bytes of one record; `terminated` when they end with their last field's terminator.
    void write(QByteArrayView bytes, bool terminated);
    void write(const RecordScanner::Record& record) {
        write(record.bytes, record.bytes.size() > record.lastFieldEnd);
    }
    // What read as nothing after the last record, at the end as it was.
    void finish(QByteArrayView residue);

private:
    QIODevice& out_;
    bool pendingLineEnd_ = false;
};

} // namespace brevmark
