#include "page/FormatSaver.h"

#include "common/Cp950.h"
#include "page/FormatMemory.h"
#include "page/FormatTexts.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "records/FormatRecordFile.h"
#include "records/FormatRecordLines.h"

namespace brevmark {

FormatSaver::FormatSaver(FileSystem& files, MessageBoxes& boxes, QString recordsFolder)
    : files_(files), boxes_(boxes), recordsFolder_(std::move(recordsFolder)) {}

FormatSaver::Names FormatSaver::clean(const QString& category, const QString& name) {
    return {FormatMemory::cleanCaption(category), FormatMemory::cleanCaption(name)};
}

bool FormatSaver::accepts(const Names& names) {
    if (names.category.isEmpty()) {
        boxes_.warn(FormatTexts::categoryMissingTitle(), FormatTexts::categoryMissingText());
        return false;
    }
    if (names.name.isEmpty()) {
        boxes_.warn(FormatTexts::nameMissingTitle(), FormatTexts::nameMissingText());
        return false;
    }
    for (const QString& text : {names.category, names.name}) {
        if (!cp950::canEncode(text)) {
            boxes_.warn(FormatTexts::unstorableTitle(), FormatTexts::unstorableText(text));
            return false;
        }
    }
    return true;
}

bool FormatSaver::storable(const QList<FormatRecord>& format) {
    if (const std::optional<QString> field = FormatRecordLines::unstorableField(format)) {
        boxes_.warn(FormatTexts::unstorableTitle(), FormatTexts::unstorableText(*field));
        return false;
    }
    return true;
}

bool FormatSaver::store(const Names& names, const QList<FormatRecord>& format) {
    if (!storable(format))
        return false;
    const QString path = recordsFolder_ + QLatin1Char('/') + FormatRecordFile::fileName();
    FormatRecordFile file(files_);
    // Every other format stays as it was, byte for byte and in its order; the new one goes to
    // the end.
    switch (file.replaceFormat(path, names.category, names.name, format)) {
    case FormatRecordFile::Replace::Written:
        return true;
    case FormatRecordFile::Replace::Unreadable:
        boxes_.warn(FormatTexts::fileErrorTitle(),
                    FormatTexts::readFailedText(path, file.errorString()));
        return false;
    case FormatRecordFile::Replace::TooMany:
        boxes_.warn(FormatTexts::fileFullTitle(),
                    FormatTexts::fileFullText(FormatRecordFile::recordLimit));
        return false;
    case FormatRecordFile::Replace::NotWritten:
        break;
    }
    boxes_.warn(FormatTexts::fileErrorTitle(),
                FormatTexts::writeFailedText(path, file.errorString()));
    return false;
}

} // namespace brevmark
