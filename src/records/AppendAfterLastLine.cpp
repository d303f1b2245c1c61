#include "records/AppendAfterLastLine.h"

#include "records/RecordScanner.h"

#include <QBuffer>

namespace brevmark {

FileSystem::DecideAppend AppendAfterLastLine::decide(QByteArray lines, int fieldsPerRecord) {
    return [lines = std::move(lines), fieldsPerRecord](const QByteArray& tail) {
        return decide(tail, lines, fieldsPerRecord);
    };
}

FileSystem::Append AppendAfterLastLine::decide(const QByteArray& tail, const QByteArray& lines,
                                               int fieldsPerRecord) {
    const QByteArray lineEnd("\r\n");
    if (tail.isEmpty() || tail.endsWith('\n'))
        return {0, lines};
    if (tail.endsWith('\r'))
        return {0, '\n' + lines};
    // A comma at the very end (before a lead byte left alone, which reads as nothing) ended the
    // last field: in a file that reads, no quote after it could make it part of a field. Before a
    // line end it would start a field of its own and shift every new record by one. This holds
    // however the last record is spread over lines (fields pair up in reading order, not by line,
    // and the last line may begin inside a quoted field), so it is decided before the line is.
    qsizetype end = tail.size();
    qsizetype wordStart = end;
    while (wordStart > 0 && uchar(tail.at(wordStart - 1)) >= 0x40)
        --wordStart;
    if (RecordScanner::endsInLoneLeadByte(QByteArrayView(tail).sliced(wordStart)))
        --end;
    if (end > 0 && tail.at(end - 1) == ',')
        return {tail.size() - end + 1, lineEnd + lines};
    const qsizetype lineStart = qMax(tail.lastIndexOf('\n'), tail.lastIndexOf('\r')) + 1;
    // A last line longer than the bytes seen cannot be weighed: it only gets its line end.
    if (lineStart == 0 && tail.size() >= tailSize)
        return {0, lineEnd + lines};
    QByteArray line = tail.mid(lineStart);
    QBuffer device(&line);
    device.open(QIODevice::ReadOnly);
    RecordScanner fields(device, 1);
    qsizetype fieldCount = 0;
    qsizetype lastEnd = 0;   // where the last field's own bytes end
    bool terminated = false; // whether a comma follows them
    for (;;) {
        const RecordScanner::Status status = fields.next();
        if (status == RecordScanner::Status::End)
            break;
        if (status != RecordScanner::Status::Record)
            return {0, lineEnd + lines};
        const RecordScanner::Record& field = fields.record();
        ++fieldCount;
        lastEnd = qsizetype(field.offset) + field.lastFieldEnd;
        terminated = field.bytes.size() > field.lastFieldEnd;
    }
    if (fieldCount % fieldsPerRecord != 0)
        return {0, lineEnd + lines};
    if (fieldCount == 0) // only a lone lead byte: the file ends as if the line were not there
        return {line.size(), lines};
    if (terminated)
        return {line.size() - lastEnd, lineEnd + lines};
    return {0, lineEnd + lines};
}

} // namespace brevmark
