#include "page/KeptPage.h"

#include "page/FormatMemory.h"
#include "page/PageModel.h"
#include "platform/FileSystem.h"
#include "records/FormatRecordLines.h"

#include <QCryptographicHash>

namespace brevmark {

namespace {
QString fileNameFor(const QString& programFolder) {
    const QByteArray hash =
        QCryptographicHash::hash(programFolder.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QStringLiteral("page-") + QString::fromLatin1(hash.left(16)) + LayoutFile::extension();
}
} // namespace

KeptPage::KeptPage(FileSystem& files, QString stateFolder, const QString& programFolder)
    : files_(files), folder_(std::move(stateFolder)),
      path_(folder_ + QLatin1Char('/') + fileNameFor(programFolder)) {}

Layout KeptPage::layoutOf(const PageModel& model) {
    Layout layout;
    for (int k : model.pageItems()) {
        const BarcodeItem& item = model.items().at(k);
        layout.items.append(
            {QPointF(item.left, item.top), FormatMemory::recordsOf(item, model.tags().find(k))});
    }
    return layout;
}

bool KeptPage::keep(const Layout& page) {
    error_.clear();
    if (page.items.isEmpty()) {
        if (files_.fileExists(path_) && !files_.removeFile(path_)) {
            error_ = path_;
            return false;
        }
        return true;
    }
    if (!files_.folderExists(folder_) && !files_.createFolder(folder_)) {
        error_ = folder_;
        return false;
    }
    LayoutFile file(files_);
    if (!file.write(path_, page, -1)) {
        error_ = path_ + QStringLiteral("\n") + file.errorString();
        return false;
    }
    return true;
}

std::optional<QString> KeptPage::unstorableText(const Layout& page) {
    return FormatRecordLines::unstorableField(LayoutFile::records(page));
}

std::optional<Layout> KeptPage::load() {
    if (!files_.fileExists(path_))
        return std::nullopt;
    LayoutFile file(files_);
    return file.read(path_, -1);
}

} // namespace brevmark
