#include "page/LayoutLibrary.h"

#include "page/FormatMemory.h"
#include "page/FormatTexts.h"
#include "platform/MessageBoxes.h"
#include "records/FormatRecordLines.h"

namespace brevmark {

LayoutLibrary::LayoutLibrary(FileSystem& files, MessageBoxes& boxes, QString recordsFolder)
    : files_(files), boxes_(boxes), folder_(files, std::move(recordsFolder)) {}

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

bool LayoutLibrary::acceptsName(const QString& name) {
    if (name.isEmpty()) {
        boxes_.warn(FormatTexts::nameMissingTitle(), FormatTexts::nameMissingText());
        return false;
    }
    if (!LayoutFolder::isSafeName(name)) {
        boxes_.warn(FormatTexts::nameMissingTitle(), FormatTexts::unsafeNameText());
        return false;
    }
    return true;
}

LayoutLibrary::SaveOutcome LayoutLibrary::save(const QString& name, const Layout& page) {
    if (page.items.size() < 2) {
        boxes_.inform(FormatTexts::tooFewTitle(), FormatTexts::tooFewText());
        return SaveOutcome::TooFew;
    }
    if (page.recordCount() > LayoutFile::recordLimit) {
        boxes_.warn(FormatTexts::layoutFailedTitle(),
                    FormatTexts::layoutTooLargeText(page.recordCount(), LayoutFile::recordLimit));
        return SaveOutcome::Failed;
    }
    if (const std::optional<QString> field =
            FormatRecordLines::unstorableField(LayoutFile::records(page))) {
        boxes_.warn(FormatTexts::unstorableTitle(), FormatTexts::unstorableText(*field));
        return SaveOutcome::Failed;
    }
    LayoutFile file(files_);
    const QString path = folder_.pathOf(name);
    if (!file.write(path, page)) {
        boxes_.warn(FormatTexts::layoutFailedTitle(),
                    FormatTexts::layoutWriteFailedText(path, file.errorString()));
        return SaveOutcome::Failed;
    }
    if (requestNotice_)
        requestNotice_(FormatTexts::addedNotice);
    listLayouts();
    return SaveOutcome::Saved;
}

std::optional<Layout> LayoutLibrary::readChosen() {
    if (chosen_ < 0)
        return std::nullopt;
    LayoutFile file(files_);
    std::optional<Layout> layout = file.read(folder_.pathOf(chosenName()));
    if (!layout)
        boxes_.warn(FormatTexts::layoutFailedTitle(), FormatTexts::readLayoutFailedText());
    else if (!layout->movedItems.isEmpty())
        boxes_.inform(FormatTexts::layoutMovedTitle(),
                      FormatTexts::layoutMovedText(chosenName(), layout->movedItems));
    return layout;
}

bool LayoutLibrary::deleteChosen() {
    if (chosen_ < 0)
        return false;
    const QString name = chosenName();
    if (!boxes_.confirm(FormatTexts::deleteTitle(), FormatTexts::deleteLayoutQuestion(name),
                        MessageIcon::Warning))
        return false;
    if (!folder_.remove(name)) {
        boxes_.warn(FormatTexts::layoutFailedTitle(), FormatTexts::deleteLayoutFailedText(name));
        return false;
    }
    if (requestNotice_)
        requestNotice_(FormatTexts::deletedNotice);
    listLayouts();
    return true;
}

} // namespace brevmark
