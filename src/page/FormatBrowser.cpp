#include "page/FormatBrowser.h"

#include "page/FormatTexts.h"
#include "platform/FileSystem.h"
#include "records/FormatCatalogue.h"
#include "records/FormatRecordFile.h"

namespace brevmark {

FormatBrowser::FormatBrowser(FileSystem& files, QString recordsFolder)
    : files_(files), recordsFolder_(std::move(recordsFolder)) {}

void FormatBrowser::setNoticeRequest(std::function<void(int)> requestNotice) {
    requestNotice_ = std::move(requestNotice);
}

QString FormatBrowser::filePath() const {
    return recordsFolder_ + QLatin1Char('/') + FormatRecordFile::fileName();
}

bool FormatBrowser::fileExists() const {
    return files_.fileExists(filePath());
}

std::optional<FormatRecordText> FormatBrowser::readFile() {
    FormatRecordFile file(files_);
    std::optional<FormatRecordText> records = file.readViews(filePath());
    if (!records)
        messages_.append(
            UserMessage::warning(FormatTexts::fileErrorTitle(),
                                 FormatTexts::readFailedText(filePath(), file.errorString())));
    return records;
}

bool FormatBrowser::listCategories() {
    if (!fileExists())
        return true;
    const std::optional<FormatRecordText> text = readFile();
    if (!text)
        return false;
    categories_ = FormatCatalogue::categories(text->records());
    allNames_.clear();
    names_.clear();
    category_.clear();
    name_.clear();
    prefix_.clear();
    previewShown_ = false;
    deleteShown_ = false;
    prefixShown_ = false;
    takeShown_ = false;
    return true;
}

bool FormatBrowser::chooseCategory(const QString& category) {
    if (!fileExists()) {
        messages_.append(
            UserMessage::warning(FormatTexts::noFileTitle(), FormatTexts::noFileText()));
        return false;
    }
    const std::optional<FormatRecordText> text = readFile();
    if (!text)
        return false;
    previewShown_ = false;
    deleteShown_ = false;
    category_ = category;
    name_.clear();
    allNames_ = FormatCatalogue::names(text->records(), category);
    names_ = allNames_;
    prefix_.clear();
    prefixShown_ = true;
    return true;
}

void FormatBrowser::filterNames(const QString& prefix) {
    prefix_ = prefix;
    // The list is filled anew: no name in it is chosen until one is clicked again.
    name_.clear();
    deleteShown_ = false;
    takeShown_ = false;
    names_.clear();
    for (const QString& name : allNames_)
        if (name.startsWith(prefix, Qt::CaseSensitive))
            names_.append(name);
}

std::optional<QList<FormatRecord>> FormatBrowser::preview(const QString& name) {
    const std::optional<FormatRecordText> text = readFile();
    if (!text)
        return std::nullopt;
    int total = 0;
    QList<FormatRecord> kept;
    for (const FormatRecordView& r :
         FormatCatalogue::format(text->records(), category_, name, previewLimit, &total))
        kept.append(r.toRecord());
    name_ = name;
    previewShown_ = !kept.isEmpty();
    takeShown_ = !kept.isEmpty();
    deleteShown_ = true;
    if (total > previewLimit)
        messages_.append(UserMessage::information(
            FormatTexts::previewCutTitle(), FormatTexts::previewCutText(total, previewLimit)));
    return kept;
}

QString FormatBrowser::deleteQuestion() const {
    return FormatTexts::deleteFormatQuestion(name_);
}

bool FormatBrowser::deleteChosen() {
    if (name_.isEmpty())
        return false;
    FormatRecordFile file(files_);
    // The other formats keep the bytes they were read with.
    switch (file.replaceFormat(filePath(), category_, name_, {})) {
    case FormatRecordFile::Replace::Written:
        break;
    case FormatRecordFile::Replace::Unreadable:
        messages_.append(
            UserMessage::warning(FormatTexts::fileErrorTitle(),
                                 FormatTexts::readFailedText(filePath(), file.errorString())));
        return false;
    case FormatRecordFile::Replace::TooMany:
    case FormatRecordFile::Replace::NotWritten:
        messages_.append(
            UserMessage::warning(FormatTexts::fileErrorTitle(),
                                 FormatTexts::writeFailedText(filePath(), file.errorString())));
        return false;
    }
    if (requestNotice_)
        requestNotice_(FormatTexts::deletedNotice);
    // The name leaves both lists, so that no prefix brings a deleted format back.
    names_.removeAll(name_);
    allNames_.removeAll(name_);
    name_.clear();
    previewShown_ = false;
    takeShown_ = false;
    deleteShown_ = false;
    return true;
}

double FormatBrowser::panelWidth(double previewWidth) {
    return previewWidth > 4560 ? previewWidth + 480 : 4920;
}

double FormatBrowser::extraHeight(double previewHeight) {
    return previewHeight > 720 ? previewHeight - 720 : 0;
}

} // namespace brevmark
