#include "records/RecordScanner.h"

#include <QIODevice>
#include <QStringDecoder>

#include <cstring>

namespace brevmark {

namespace {
bool endsField(char c) {
    return c == ',' || c == '\r' || c == '\n';
}
} // namespace

RecordScanner::RecordScanner(QIODevice& device, int fieldsPerRecord, qsizetype chunkSize)
    : device_(device), fieldsPerRecord_(fieldsPerRecord), chunkSize_(chunkSize) {
    record_.fields.reserve(std::size_t(fieldsPerRecord));
}

bool RecordScanner::endsInLoneLeadByte(QByteArrayView tail) {
    if (tail.isEmpty())
        return false;
    const uchar last = uchar(tail.back());
    if (last < 0x81 || last > 0xFE)
        return false;
    // Whether the byte waits for a partner is the decoder's to say: one more byte after it shows.
    QStringDecoder decoder("windows-950");
    // decode() only works once its result becomes a string.
    const QString decoded = decoder.decode(tail);
    Q_UNUSED(decoded);
    const QString after = decoder.decode(QByteArrayView("\n"));
    return after.size() > 1;
}

void RecordScanner::settleEnd() {
    end_ = buffer_.size();
    qsizetype start = end_;
    while (start > 0 && uchar(buffer_.at(start - 1)) >= 0x40)
        --start;
    if (endsInLoneLeadByte(QByteArrayView(buffer_).sliced(start)))
        --end_;
}

bool RecordScanner::readMore() {
    if (eof_ || failed_)
        return false;
    // Only the record being read is kept; the buffer grows with it, doubling, so that a record
    // of any size is read in time proportional to its size.
    if (pos_ > 0) {
        buffer_.remove(0, pos_);
        bufferOffset_ += pos_;
        pos_ = 0;
    }
    const qsizetype want = qMax(chunkSize_, buffer_.size());
    const qsizetype before = buffer_.size();
    buffer_.resize(before + want);
    const qint64 got = device_.read(buffer_.data() + before, want);
    if (got < 0) {
        buffer_.resize(before);
        failed_ = true;
        return false;
    }
    buffer_.resize(before + qsizetype(got));
    if (got == 0) {
        eof_ = true;
        settleEnd();
    }
    return true;
}

RecordScanner::Parse RecordScanner::parseRecord() {
    const char* b = buffer_.constData();
    const qsizetype limit = eof_ ? end_ : buffer_.size();
    const Parse cut = eof_ ? Parse::Damaged : Parse::NeedMore;
    record_.fields.clear();
    qsizetype p = pos_;
    for (int f = 0; f < fieldsPerRecord_; ++f) {
        if (p >= limit)
            return cut;
        while (p < limit && b[p] == ' ')
            ++p;
        qsizetype q;
        if (p < limit && b[p] == '"') {
            const void* close = std::memchr(b + p + 1, '"', std::size_t(limit - p - 1));
            if (!close)
                return cut;
            const qsizetype c = static_cast<const char*>(close) - b;
            record_.fields.emplace_back(b + p + 1, c - p - 1);
            q = c + 1;
            while (q < limit && !endsField(b[q]))
                ++q;
        } else {
            q = p;
            while (q < limit && !endsField(b[q]))
                ++q;
            qsizetype e = q;
            while (e > p && b[e - 1] == ' ')
                --e;
            record_.fields.emplace_back(b + p, e - p);
        }
        if (q >= limit && !eof_)
            return Parse::NeedMore; // the field may go on, or its terminator is still to come
        const qsizetype fieldEnd = q;
        if (q < limit) {
            if (b[q] == '\r') {
                if (q + 1 >= limit && !eof_)
                    return Parse::NeedMore; // an LF may follow
                q += q + 1 < limit && b[q + 1] == '\n' ? 2 : 1;
            } else {
                ++q;
            }
        }
        p = q;
        if (f == fieldsPerRecord_ - 1)
            record_.lastFieldEnd = fieldEnd - pos_;
    }
    record_.position = position_++;
    record_.offset = bufferOffset_ + pos_;
    record_.bytes = QByteArrayView(b + pos_, p - pos_);
    pos_ = p;
    return Parse::Done;
}

RecordScanner::Status RecordScanner::next() {
    for (;;) {
        const qsizetype limit = eof_ ? end_ : buffer_.size();
        if (pos_ >= limit) {
            if (eof_)
                return Status::End;
            if (!readMore())
                return Status::ReadError;
            continue;
        }
        switch (parseRecord()) {
        case Parse::Done:
            return Status::Record;
        case Parse::Damaged:
            if (trailingBlanksEnd_ && eof_ && onlyBlanksLeft())
                return Status::End;
            return Status::Damaged;
        case Parse::NeedMore:
            if (!readMore())
                return failed_ ? Status::ReadError : Status::Damaged;
            break;
        }
    }
}

bool RecordScanner::onlyBlanksLeft() const {
    for (qsizetype i = pos_; i < buffer_.size(); ++i) {
        const char c = buffer_.at(i);
        if (c != '\r' && c != '\n' && c != ' ')
            return false;
    }
    return true;
}

QByteArrayView RecordScanner::residue() const {
    if (!eof_ || pos_ >= buffer_.size())
        return {};
    return QByteArrayView(buffer_).sliced(pos_);
}

} // namespace brevmark
