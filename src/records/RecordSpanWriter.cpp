#include "records/RecordSpanWriter.h"

#include <QIODevice>

namespace brevmark {

void RecordSpanWriter::write(QByteArrayView bytes, bool terminated) {
    if (pendingLineEnd_)
        out_.write("\r\n", 2);
    out_.write(bytes.data(), bytes.size());
    pendingLineEnd_ = !terminated;
}

void RecordSpanWriter::finish(QByteArrayView residue) {
    out_.write(residue.data(), residue.size());
}

} // namespace brevmark
