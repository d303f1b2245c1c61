#include "records/FormatRecordFile.h"

#include "common/Cp950.h"
#include "platform/FileSystem.h"
#include "records/RecordScanner.h"
#include "records/RecordSpanWriter.h"

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

FormatRecordFile::Replace
FormatRecordFile::replaceFormat(const QString& path, const QString& category, const QString& name,
                                const QList<FormatRecord>& added, int limit) {
    error_.clear();
    const QByteArray addedBytes = cp950::encode(FormatRecordLines::serialise(added));
    if (!files_.fileExists(path)) {
        if (added.isEmpty())
            return Replace::Written;
        if (added.size() > limit) {
            error_ = QStringLiteral("記錄超過 %1 筆").arg(limit);
            return Replace::TooMany;
        }
        return files_.replaceBytes(path, addedBytes, &error_) ? Replace::Written
                                                              : Replace::NotWritten;
    }
    Replace outcome = Replace::Written;
    cp950::FieldDecoder decoder;
    const auto isTheFormat = [&](const RecordScanner::Record& r) {
        return decoder.decode(r.fields[0]) == category && decoder.decode(r.fields[1]) == name;
    };
    const bool done = files_.rewrite(
        path,
        [&](QIODevice& current, QIODevice& replacement) {
            RecordScanner scanner(current, FormatRecordLines::fieldsPerLine);
            scanner.setTrailingBlanksEnd(true);
            RecordSpanWriter writer(replacement);
            qsizetype kept = 0;
            for (;;) {
                const RecordScanner::Status status = scanner.next();
                if (status == RecordScanner::Status::End)
                    break;
                if (status != RecordScanner::Status::Record) {
                    // A file that cannot be read is never written over: its formats would be
                    // lost.
                    error_ =
                        status == RecordScanner::Status::Damaged
                            ? QStringLiteral("第 %1 筆記錄損壞").arg(scanner.record().position + 2)
                            : current.errorString();
                    outcome = Replace::Unreadable;
                    return FileSystem::Rewrite::Keep;
                }
                const RecordScanner::Record& r = scanner.record();
                if (isTheFormat(r))
                    continue;
                writer.write(r);
                ++kept;
            }
            if (kept + added.size() > limit) {
                error_ = QStringLiteral("記錄超過 %1 筆").arg(limit);
                outcome = Replace::TooMany;
                return FileSystem::Rewrite::Keep;
            }
            if (added.isEmpty()) {
                writer.finish(scanner.residue());
            } else {
                writer.write(addedBytes, true);
            }
            return FileSystem::Rewrite::Replace;
        },
        &error_);
    if (!done)
        return Replace::NotWritten;
    return outcome;
}

} // namespace brevmark
