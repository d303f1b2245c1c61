#include "page/LayoutLibrary.h"

#include "page/FormatMemory.h"
#include "page/FormatTexts.h"
#include "records/FormatRecordLines.h"

namespace brevmark {

LayoutLibrary::LayoutLibrary(FileSystem& files, QString recordsFolder)
    : files_(files), folder_(files, std::move(recordsFolder)) {}

void LayoutLibrary::setNoticeRequest(std::function<void(int)> requestNotice) {
    requestNotice_ = std::move(requestNotice);
}

void LayoutLibrary::listLayouts() {
    names_ = folder_.names();
    chosen_ = -1;
}

void LayoutLibrary::choose(int row) {
    chosen_ = row >= 0 && row < names_.size() ? row : -1;
}

QString LayoutLibrary::chosenName() const {
    return chosen_ >= 0 ? names_.at(chosen_) : QString();
}

QString LayoutLibrary::cleanName(const QString& name) {
    return FormatMemory::cleanCaption(name);
}

std::optional<UserMessage> LayoutLibrary::nameRefusal(const QString& name) {
    if (name.isEmpty())
        return UserMessage::warning(FormatTexts::nameMissingTitle(),
                                    FormatTexts::nameMissingText());
    if (!LayoutFolder::isSafeName(name))
        return UserMessage::warning(FormatTexts::nameMissingTitle(), FormatTexts::unsafeNameText());
    return std::nullopt;
}

LayoutLibrary::Saved LayoutLibrary::save(const QString& name, const Layout& page) {
    if (page.items.size() < 2)
        return {SaveOutcome::TooFew,
                UserMessage::information(FormatTexts::tooFewTitle(), FormatTexts::tooFewText())};
    if (page.recordCount() > LayoutFile::recordLimit)
        return {SaveOutcome::Failed,
                UserMessage::warning(FormatTexts::layoutFailedTitle(),
                                     FormatTexts::layoutTooLargeText(page.recordCount(),
                                                                     LayoutFile::recordLimit))};
    if (const std::optional<QString> field =
            FormatRecordLines::unstorableField(LayoutFile::records(page)))
        return {SaveOutcome::Failed, UserMessage::warning(FormatTexts::unstorableTitle(),
                                                          FormatTexts::unstorableText(*field))};
    LayoutFile file(files_);
    const QString path = folder_.pathOf(name);
    if (!file.write(path, page))
        return {SaveOutcome::Failed,
                UserMessage::warning(FormatTexts::layoutFailedTitle(),
                                     FormatTexts::layoutWriteFailedText(path, file.errorString()))};
    if (requestNotice_)
        requestNotice_(FormatTexts::addedNotice);
    listLayouts();
    return {SaveOutcome::Saved, std::nullopt};
}

LayoutLibrary::Read LayoutLibrary::readChosen() const {
    if (chosen_ < 0)
        return {};
    LayoutFile file(files_);
    Read read;
    read.layout = file.read(folder_.pathOf(chosenName()));
    if (!read.layout)
        read.message = UserMessage::warning(FormatTexts::layoutFailedTitle(),
                                            FormatTexts::readLayoutFailedText());
    else if (!read.layout->movedItems.isEmpty())
        read.message = UserMessage::information(
            FormatTexts::layoutMovedTitle(),
            FormatTexts::layoutMovedText(chosenName(), read.layout->movedItems));
    return read;
}

UserMessage LayoutLibrary::deleteQuestion() const {
    return UserMessage::warning(FormatTexts::deleteTitle(),
                                FormatTexts::deleteLayoutQuestion(chosenName()));
}

std::optional<UserMessage> LayoutLibrary::deleteChosen() {
    if (chosen_ < 0)
        return std::nullopt;
    const QString name = chosenName();
    if (!folder_.remove(name))
        return UserMessage::warning(FormatTexts::layoutFailedTitle(),
                                    FormatTexts::deleteLayoutFailedText(name));
    if (requestNotice_)
        requestNotice_(FormatTexts::deletedNotice);
    listLayouts();
    return std::nullopt;
}

} // namespace brevmark
