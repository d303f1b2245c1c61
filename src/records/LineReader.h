#pragma once

#include <QByteArray>

class QIODevice;

namespace brevmark {

// The raw lines of a file, split at CR LF, CR or LF, a piece of the device at a time, for the
// repairs, which go through a damaged file line by line and keep the bytes of the lines they keep.
class LineReader {
public:
    explicit LineReader(QIODevice& device) : device_(device) {}
    // The next line without its line end; false at the end of the device.
    bool next(QByteArray* line);

private:
    QIODevice& device_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    bool eof_ = false;
};

} // namespace brevmark
