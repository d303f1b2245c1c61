#include "page/FormatSaver.h"

#include "common/Cp950.h"
#include "page/FormatMemory.h"
#include "page/FormatTexts.h"
#include "platform/FileSystem.h"
#include "records/FormatRecordFile.h"
#include "records/FormatRecordLines.h"

namespace brevmark {

FormatSaver::FormatSaver(FileSystem& files, QString recordsFolder)
    : files_(files), recordsFolder_(std::move(recordsFolder)) {}

FormatSaver::Names FormatSaver::clean(const QString& category, const QString& name) {
    return {FormatMemory::cleanCaption(category), FormatMemory::cleanCaption(name)};
}

std::optional<UserMessage> FormatSaver::refusal(const Names& names) {
    if (names.category.isEmpty())
        return UserMessage::warning(FormatTexts::categoryMissingTitle(),
                                    FormatTexts::categoryMissingText());
    if (names.name.isEmpty())
        return UserMessage::warning(FormatTexts::nameMissingTitle(),
                                    FormatTexts::nameMissingText());
    for (const QString& text : {names.category, names.name})
        if (!cp950::canEncode(text))
            return UserMessage::warning(FormatTexts::unstorableTitle(),
                                        FormatTexts::unstorableText(text));
    return std::nullopt;
}

std::optional<UserMessage> FormatSaver::store(const Names& names,
                                              const QList<FormatRecord>& format) {
    if (const std::optional<QString> field = FormatRecordLines::unstorableField(format))
        return UserMessage::warning(FormatTexts::unstorableTitle(),
                                    FormatTexts::unstorableText(*field));
    const QString path = recordsFolder_ + QLatin1Char('/') + FormatRecordFile::fileName();
    FormatRecordFile file(files_);
    // Every other format stays as it was, byte for byte and in its order; the new one goes to
    // the end.
    switch (file.replaceFormat(path, names.category, names.name, format)) {
    case FormatRecordFile::Replace::Written:
        return std::nullopt;
    case FormatRecordFile::Replace::Unreadable:
        return UserMessage::warning(FormatTexts::fileErrorTitle(),
                                    FormatTexts::readFailedText(path, file.errorString()));
    case FormatRecordFile::Replace::TooMany:
        return UserMessage::warning(FormatTexts::fileFullTitle(),
                                    FormatTexts::fileFullText(FormatRecordFile::recordLimit));
    case FormatRecordFile::Replace::NotWritten:
        break;
    }
    return UserMessage::warning(FormatTexts::fileErrorTitle(),
                                FormatTexts::writeFailedText(path, file.errorString()));
}

} // namespace brevmark
