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
    const UserMessage failed =
        UserMessage::warning(FormatTexts::layoutFailedTitle(), FormatTexts::saveFailedText());
    if (page.recordCount() > LayoutFile::recordLimit)
        return {SaveOutcome::Failed, failed};
    if (const std::optional<QString> field =
            FormatRecordLines::unstorableField(LayoutFile::records(page)))
        return {SaveOutcome::Failed, UserMessage::warning(FormatTexts::unstorableTitle(),
                                                          FormatTexts::unstorableText(*field))};
    LayoutFile file(files_);
    if (!file.write(folder_.pathOf(name), page))
        return {SaveOutcome::Failed, failed};
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
        read.failure = UserMessage::warning(FormatTexts::layoutFailedTitle(),
                                            FormatTexts::readLayoutFailedText());
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
