#include "records/LineReader.h"

#include <QIODevice>

namespace brevmark {

bool LineReader::next(QByteArray* line) {
    qsizetype scanned = pos_;
    for (;;) {
        qsizetype end = scanned;
        while (end < buffer_.size() && buffer_.at(end) != '\r' && buffer_.at(end) != '\n')
            ++end;
        // A CR at the end of what was read may still be followed by its LF.
        const bool settled =
            end < buffer_.size() && (buffer_.at(end) == '\n' || end + 1 < buffer_.size() || eof_);
        if (settled) {
            *line = buffer_.mid(pos_, end - pos_);
            pos_ = end + 1;
            if (buffer_.at(end) == '\r' && pos_ < buffer_.size() && buffer_.at(pos_) == '\n')
                ++pos_;
            return true;
        }
        if (eof_) {
            if (pos_ >= buffer_.size())
                return false;
            *line = buffer_.mid(pos_);
            pos_ = buffer_.size();
            return true;
        }
        buffer_.remove(0, pos_);
        scanned = end - pos_;
        pos_ = 0;
        const QByteArray more = device_.read(qMax<qsizetype>(1 << 20, buffer_.size()));
        if (more.isEmpty())
            eof_ = true;
        buffer_ += more;
    }
}

bool LineReader::nextRepairable(int count, QList<QByteArray>* parts) {
    QByteArray line;
    while (next(&line)) {
        if (line.isEmpty())
            continue;
        *parts = line.replace('"', QByteArray()).split(',');
        if (parts->size() == count)
            return true;
    }
    return false;
}

} // namespace brevmark
