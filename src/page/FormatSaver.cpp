#include "page/FormatSaver.h"

#include "common/Cp950.h"
#include "page/FormatMemory.h"
#include "page/FormatTexts.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "records/FormatCatalogue.h"
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
    std::optional<FormatRecordText> existing;
    QList<FormatRecordView> kept;
    if (files_.fileExists(path)) {
        // A file that cannot be read is never written over: its formats would be lost.
        existing = file.readViews(path);
        if (!existing) {
            boxes_.warn(FormatTexts::fileErrorTitle(),
                        FormatTexts::readFailedText(path, file.errorString()));
            return false;
        }
        kept = FormatCatalogue::without(existing->records(), names.category, names.name);
    }
    if (kept.size() + format.size() > FormatRecordFile::recordLimit) {
        boxes_.warn(FormatTexts::fileFullTitle(),
                    FormatTexts::fileFullText(FormatRecordFile::recordLimit));
        return false;
    }
    // Every other format stays as it was, in its order; the new one goes to the end.
    if (!file.write(path, kept, format)) {
        boxes_.warn(FormatTexts::fileErrorTitle(),
                    FormatTexts::writeFailedText(path, file.errorString()));
        return false;
    }
    return true;
}

} // namespace brevmark
