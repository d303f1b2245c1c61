#include "update/UpdateCheck.h"

#include "platform/FileSystem.h"
#include "update/MarkerDownload.h"
#include "update/MarkerFile.h"
#include "update/UpdateEndpoint.h"

#include <QDir>
#include <QNetworkAccessManager>
#include <QStandardPaths>

namespace brevmark {

namespace {
// The line's marker is fetched first, then this version's.
const QStringList downloadOrder{UpdateEndpoint::lineTag(), UpdateEndpoint::versionTag()};
} // namespace

UpdateCheck::UpdateCheck(FileSystem& files, std::function<void(const QString&)> setHint,
                         QObject* parent)
    : QObject(parent), files_(files), setHint_(std::move(setHint)),
      network_(new QNetworkAccessManager(this)) {}

UpdateCheck::~UpdateCheck() = default;

QString UpdateCheck::markerFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
        .filePath(QStringLiteral("Brevmark"));
}

const QStringList& UpdateCheck::oldMarkerNames() {
    static const QStringList names{
        QStringLiteral("bqx1.txt"),   QStringLiteral("bqv11.txt"),  QStringLiteral("bq_v21.txt"),
        QStringLiteral("bq_v22.txt"), QStringLiteral("bq2_3v.txt"), QStringLiteral("bq_24v.txt"),
        QStringLiteral("bqv25.txt"),  QStringLiteral("bqv_26.txt"), QStringLiteral("bqv2_7.txt"),
        QStringLiteral("bqv28.txt"),  QStringLiteral("bqv31.txt"),  QStringLiteral("bqv32.txt"),
        QStringLiteral("bqv33.txt"),  QStringLiteral("bqv34.txt"),  QStringLiteral("bqv35.txt"),
        QStringLiteral("bqv36.txt")};
    return names;
}

QString UpdateCheck::markerPath(const QString& tag) const {
    return QDir(folder_).filePath(UpdateEndpoint::markerName(tag));
}

void UpdateCheck::run() {
    if (running_)
        return;
    running_ = true;
    folder_ = markerFolder();
    if (setHint_)
        setHint_(waitingHint());
    for (const QString& name : oldMarkerNames()) {
        const QString path = QDir(folder_).filePath(name);
        if (files_.fileExists(path))
            files_.removeFile(path);
    }
    download(0);
}

void UpdateCheck::download(int index) {
    if (index >= downloadOrder.size()) {
        evaluate();
        return;
    }
    const QString tag = downloadOrder[index];
    auto* marker = new MarkerDownload(*network_, this);
    connect(marker, &MarkerDownload::finished, this,
            [this, marker, index, tag](bool ok, const QByteArray& body) {
                marker->deleteLater();
                // A failed download is ignored: whatever an earlier check left stays.
                if (ok && (files_.folderExists(folder_) || files_.createFolder(folder_)))
                    files_.replaceBytes(markerPath(tag), body);
                download(index + 1);
            });
    marker->start(UpdateEndpoint::markerUrl(tag), timeoutMs_);
}

void UpdateCheck::evaluate() {
    const QString version = UpdateEndpoint::versionTag();
    const QString line = UpdateEndpoint::lineTag();
    if (!files_.fileExists(markerPath(version)) && !files_.fileExists(markerPath(line))) {
        if (setHint_)
            setHint_(nothingFoundHint());
    } else {
        promptForTagLines(version);
        promptForTagLines(line);
    }
    running_ = false;
    emit finished();
}

void UpdateCheck::promptForTagLines(const QString& tag) {
    const QString path = markerPath(tag);
    QByteArray bytes;
    if (!files_.fileExists(path) || !files_.readBytes(path, &bytes))
        return;
    for (int n = marker_file::tagLineCount(bytes, tag); n > 0; --n)
        emit newVersionAnnounced();
}

} // namespace brevmark
