#pragma once

#include <QByteArray>
#include <QList>

class QIODevice;

namespace brevmark {

// The raw lines of a file, split at CR LF, CR or LF, a piece of the device at a time, for the
// repairs, which go through a damaged file line by line and keep the bytes of the lines they keep.
class LineReader {
public:
    explicit LineReader(QIODevice& device) : device_(device) {}
    // The next line without its line end; false at the end of the device.
    bool next(QByteArray* line);
    // The parts of the next line a repair keeps: a line that, with every double quote deleted,
    // splits at its commas into exactly `count` parts (spaces stay inside them). Lines that do
    // not are skipped. False at the end of the device.
    bool nextRepairable(int count, QList<QByteArray>* parts);

private:
    QIODevice& device_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    bool eof_ = false;
};

} // namespace brevmark
