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
