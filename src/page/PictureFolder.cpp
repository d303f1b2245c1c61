#include "page/PictureFolder.h"

#include "platform/ContainedFile.h"
#include "platform/FileSystem.h"
#include "platform/PictureLoader.h"

namespace brevmark {

namespace {
// Widths and heights below which the panel keeps its standard size.
constexpr double standardWidth = 4928;
constexpr double widthLimit = 4935;
constexpr double standardHeight = 2415;
constexpr double margin = 120;
} // namespace

PictureFolder::PictureFolder(FileSystem& files, const PictureLoader& loader, DataLocation location)
    : files_(files), loader_(loader), location_(std::move(location)) {}

void PictureFolder::setNoticeRequest(std::function<void(int)> requestNotice) {
    requestNotice_ = std::move(requestNotice);
}

void PictureFolder::setDeletedHandler(std::function<void(const QString&)> deleted) {
    deleted_ = std::move(deleted);
}

bool PictureFolder::isUsableName(const QString& name) {
    const QString tail = name.right(3).toLower();
    return tail == QLatin1String("jpg") || tail == QLatin1String("gif") ||
           tail == QLatin1String("bmp") || tail == QLatin1String("wmf");
}

QString PictureFolder::damagedText(const QString& name) {
    return QStringLiteral("資料夾內的【") + name + QStringLiteral("】圖形檔案錯誤，無法讀取使用");
}

QString PictureFolder::deleteQuestion(const QString& name) {
    return QStringLiteral("確定刪除【") + name + QStringLiteral("】圖片檔案");
}

QString PictureFolder::emptyListHint() {
    return QStringLiteral("查無圖形檔，請將 使用的圖形檔 放置在 圖形資料 資料夾內");
}

QString PictureFolder::listUsageHint() {
    return QStringLiteral("說明：【Ａ 點選名稱 預覽 圖形】【Ｂ 點擊二下直接取用】");
}

void PictureFolder::fill() {
    names_.clear();
    chosen_ = -1;
    preview_ = Picture();
    takeVisible_ = false;
    deleteVisible_ = false;
    for (const QString& name : files_.listFolder(location_.picturesFolder(), QStringLiteral("*")))
        if (isUsableName(name) && leadsInside(name))
            names_.append(name);
}

void PictureFolder::removeEntry(int row) {
    names_.removeAt(row);
    chosen_ = -1;
}

bool PictureFolder::leadsInside(const QString& name) const {
    return !ContainedFile::leadsOutside(location_.picturesFolder(), name);
}

Picture PictureFolder::loadFile(const QString& name) const {
    if (!hasFile(name))
        return Picture();
    return loader_.load(location_.pictureFile(name));
}

bool PictureFolder::hasFile(const QString& name) const {
    return !name.isEmpty() && leadsInside(name) && files_.fileExists(location_.pictureFile(name));
}

bool PictureFolder::preview(int row) {
    if (row < 0 || row >= names_.size())
        return false;
    const QString name = names_.at(row);
    chosen_ = row;
    // A name that has come to lead out of the folder since the list was filled is not read.
    preview_ = leadsInside(name) ? loader_.load(location_.pictureFile(name)) : Picture();
    if (preview_.isNull()) {
        messages_.append(UserMessage::warning(warningTitle(), damagedText(name)));
        removeEntry(row);
        takeVisible_ = false;
        // No entry is chosen any more, so there is nothing to delete either.
        deleteVisible_ = false;
        return false;
    }
    takeVisible_ = true;
    deleteVisible_ = true;
    return true;
}

std::optional<PictureFolder::TakenPicture> PictureFolder::take() const {
    if (preview_.isNull() || chosen_ < 0)
        return std::nullopt;
    return TakenPicture{names_.at(chosen_), preview_.naturalSize(), preview_};
}

QString PictureFolder::chosenName() const {
    return chosen_ >= 0 && chosen_ < names_.size() ? names_.at(chosen_) : QString();
}

bool PictureFolder::deleteChosen() {
    if (chosen_ < 0 || chosen_ >= names_.size())
        return false;
    const QString name = names_.at(chosen_);
    const QString path = location_.pictureFile(name);
    preview_ = Picture();
    takeVisible_ = false;
    deleteVisible_ = false;
    if (files_.fileExists(path) && !files_.removeFile(path)) {
        // The file is still there: keep listing it rather than pretend it went.
        messages_.append(UserMessage::warning(deleteTitle(), QStringLiteral("無法刪除【") + name +
                                                                 QStringLiteral("】圖片檔案")));
        chosen_ = -1;
        return false;
    }
    removeEntry(chosen_);
    if (deleted_)
        deleted_(name);
    if (requestNotice_)
        requestNotice_(deletedNotice);
    return true;
}

QString PictureFolder::listHint() const {
    return names_.isEmpty() ? emptyListHint() : listUsageHint();
}

QSizeF PictureFolder::panelSize(const QRectF& preview) {
    const double right = preview.left() + preview.width();
    const double bottom = preview.top() + preview.height();
    return QSizeF(right <= widthLimit ? standardWidth : right + margin,
                  bottom <= standardHeight ? standardHeight : bottom + margin);
}

} // namespace brevmark
