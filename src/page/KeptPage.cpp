#include "page/KeptPage.h"

#include "common/Cp950.h"
#include "page/FormatMemory.h"
#include "page/PageModel.h"
#include "platform/FileSystem.h"
#include "records/FormatRecordLines.h"

#include <QCryptographicHash>

namespace brevmark {

namespace {
const QByteArray byteOrderMark("\xEF\xBB\xBF");

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
    const QByteArray text =
        byteOrderMark + FormatRecordLines::serialise(LayoutFile::records(page)).toUtf8();
    QString reason;
    if (!files_.replaceBytes(path_, text, &reason)) {
        error_ = path_ + QStringLiteral("\n") + reason;
        return false;
    }
    return true;
}

std::optional<Layout> KeptPage::load() {
    QByteArray bytes;
    if (!files_.fileExists(path_) || !files_.readBytes(path_, &bytes))
        return std::nullopt;
    const QString text = bytes.startsWith(byteOrderMark)
                             ? QString::fromUtf8(bytes.mid(byteOrderMark.size()))
                             : cp950::decode(bytes);
    const std::optional<QList<FormatRecord>> records = FormatRecordLines::parse(text, &error_);
    if (!records)
        return std::nullopt;
    return LayoutFile::fromRecords(*records, &error_);
}

} // namespace brevmark
