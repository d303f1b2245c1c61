#include "records/FormatRecordFile.h"

#include "platform/FileSystem.h"
#include "records/FormatRecordLines.h"

namespace brevmark {

FormatRecordFile::FormatRecordFile(FileSystem& files) : files_(files) {}

std::optional<QList<FormatRecord>> FormatRecordFile::read(const QString& path) {
    error_.clear();
    QString text;
    if (!files_.readText(path, &text, &error_))
        return std::nullopt;
    return FormatRecordLines::parse(text, &error_);
}

bool FormatRecordFile::write(const QString& path, const QList<FormatRecord>& records) {
    error_.clear();
    return files_.replaceText(path, FormatRecordLines::serialise(records), &error_);
}

} // namespace brevmark
