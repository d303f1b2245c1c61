#include "records/FormatRecordFile.h"

#include "platform/FileSystem.h"

namespace brevmark {

FormatRecordFile::FormatRecordFile(FileSystem& files) : files_(files) {}

std::optional<FormatRecordText> FormatRecordFile::readViews(const QString& path) {
    error_.clear();
    QString text;
    if (!files_.readText(path, &text, &error_))
        return std::nullopt;
    return FormatRecordLines::read(std::move(text), &error_);
}

std::optional<QList<FormatRecord>> FormatRecordFile::read(const QString& path) {
    const std::optional<FormatRecordText> text = readViews(path);
    if (!text)
        return std::nullopt;
    return text->toRecords();
}

bool FormatRecordFile::write(const QString& path, const QList<FormatRecord>& records) {
    error_.clear();
    return files_.replaceText(path, FormatRecordLines::serialise(records), &error_);
}

bool FormatRecordFile::write(const QString& path, const QList<FormatRecordView>& kept,
                             const QList<FormatRecord>& added) {
    error_.clear();
    return files_.replaceText(path, FormatRecordLines::serialise(kept, added), &error_);
}

} // namespace brevmark
