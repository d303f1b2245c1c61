#include "update/MarkerDownload.h"

#include <QMetaObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace brevmark {

MarkerDownload::MarkerDownload(QNetworkAccessManager& network, QObject* parent)
    : QObject(parent), network_(network) {
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, &MarkerDownload::fail);
}

void MarkerDownload::start(const QUrl& url, int timeoutMs) {
    if (!url.isValid() || url.isEmpty()) {
        // Reported from the event loop, as a download that ended would be.
        QMetaObject::invokeMethod(this, &MarkerDownload::fail, Qt::QueuedConnection);
        return;
    }
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setTransferTimeout(timeoutMs);
    reply_ = network_.get(request);
    reply_->setParent(this);
    connect(reply_, &QNetworkReply::readyRead, this, [this] {
        body_ += reply_->readAll();
        if (body_.size() > largestMarker)
            fail();
    });
    connect(reply_, &QNetworkReply::metaDataChanged, this, [this] {
        const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > largestMarker)
            fail();
    });
    connect(reply_, &QNetworkReply::finished, this, &MarkerDownload::done);
    deadline_.start(timeoutMs);
}

void MarkerDownload::done() {
    if (reported_)
        return;
    const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply_->error() != QNetworkReply::NoError || status != 200) {
        fail();
        return;
    }
    body_ += reply_->readAll();
    if (body_.size() > largestMarker) {
        fail();
        return;
    }
    reported_ = true;
    deadline_.stop();
    reply_->deleteLater();
    emit finished(true, body_);
}

void MarkerDownload::fail() {
    if (reported_)
        return;
    reported_ = true;
    deadline_.stop();
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
        reply_->deleteLater();
    }
    body_.clear();
    emit finished(false, {});
}

} // namespace brevmark
