#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace brevmark {

// One plain GET of a marker file, bounded in time and size, that never blocks the window: it
// reports once, with the body when the server answered 200 within the time and the size, else as
// a failure. Redirects are not followed.
class MarkerDownload : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 largestMarker = 64 * 1024;

    MarkerDownload(QNetworkAccessManager& network, QObject* parent = nullptr);

    // Starts the download; an invalid address fails at once (still reported through `finished`).
    void start(const QUrl& url, int timeoutMs);

signals:
    void finished(bool ok, const QByteArray& body);

private:
    void fail();
    void done();

    QNetworkAccessManager& network_;
    QPointer<QNetworkReply> reply_;
    QTimer deadline_;
    QByteArray body_;
    bool reported_ = false;
};

} // namespace brevmark
