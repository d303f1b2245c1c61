#include "update/UpdateCheck.h"
#include "platform/LocalFileSystem.h"
#include "support/LocalHttpServer.h"
#include "support/ScopedEnvironment.h"
#include "update/MarkerDownload.h"
#include "update/UpdateEndpoint.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace brevmark::test {
namespace {

class Update : public ::testing::Test {
protected:
    Update() { env.set("XDG_CACHE_HOME", cache.path().toUtf8()); }

    void pointAt(const QUrl& url) { env.set("BREVMARK_UPDATE_URL", url.toString().toUtf8()); }
    QString markers() const { return QDir(cache.path()).filePath(QStringLiteral("Brevmark")); }
    QString marker(const QString& name) const { return QDir(markers()).filePath(name); }
    void putMarker(const QString& name, const QByteArray& bytes) const {
        QDir().mkpath(markers());
        QFile f(marker(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray markerBytes(const QString& name) const {
        QFile f(marker(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Runs the check to its end; true when it ended within the time.
    bool runCheck(int timeoutMs = 3000) {
        QSignalSpy done(&check, &UpdateCheck::finished);
        check.run();
        return done.count() > 0 || done.wait(timeoutMs);
    }
    // The times the product's page was offered.
    int prompts() const { return offers; }

    ScopedEnvironment env;
    QTemporaryDir cache;
    LocalFileSystem files;
    QStringList hints;
    UpdateCheck check{files, [this](const QString& h) { hints << h; }};
    int offers = 0;
    QMetaObject::Connection counting =
        QObject::connect(&check, &UpdateCheck::newVersionAnnounced, [this] { ++offers; });
};

TEST_F(Update, BothTagsPromptOnceEachAfterDownloadingLineThenVersion) {
    LocalHttpServer server;
    ASSERT_TRUE(server.isRunning());
    server.put(QStringLiteral("Download/bqv37.txt"), "bqv37\r\n");
    server.put(QStringLiteral("Download/bq_x2x.txt"), "news\r\nbq_x2x\r\n");
    pointAt(server.url());
    ASSERT_TRUE(runCheck());
    EXPECT_EQ(server.requests(), (QStringList{QStringLiteral("GET /Download/bq_x2x.txt"),
                                              QStringLiteral("GET /Download/bqv37.txt")}));
    EXPECT_EQ(prompts(), 2);
    EXPECT_EQ(hints, QStringList{QStringLiteral("查詢是否堆出更新版 請稍候 . . . . .")});
    // Both markers stay, and nothing else is written there.
    EXPECT_EQ(markerBytes(QStringLiteral("bqv37.txt")), "bqv37\r\n");
    EXPECT_EQ(QDir(markers()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral("bq_x2x.txt"), QStringLiteral("bqv37.txt")}));
    EXPECT_EQ(QDir(cache.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("Brevmark")});
}

TEST_F(Update, ThisVersionsMarkerIsReadBeforeTheLines) {
    LocalHttpServer server;
    server.put(QStringLiteral("Download/bqv37.txt"), "bqv37\r\n");
    server.put(QStringLiteral("Download/bq_x2x.txt"), "bq_x2x\r\n");
    pointAt(server.url());
    // The line's marker vanishes while the first offer is up: when this version's marker was read
    // first, the line's is no longer there to offer the page again.
    QObject::connect(&check, &UpdateCheck::newVersionAnnounced, [this] {
        if (offers == 1)
            QFile::remove(marker(QStringLiteral("bq_x2x.txt")));
    });
    ASSERT_TRUE(runCheck());
    EXPECT_EQ(prompts(), 1);
}

TEST_F(Update, ATagOnTwoLinesPromptsTwice) {
    LocalHttpServer server;
    server.put(QStringLiteral("Download/bqv37.txt"), "bqv37\nother\nbqv37");
    pointAt(server.url());
    ASSERT_TRUE(runCheck());
    EXPECT_EQ(prompts(), 2);
}

TEST_F(Update, MarkersWithoutTheirTagPromptNothingAndKeepTheWaitingHint) {
    LocalHttpServer server;
    server.put(QStringLiteral("Download/bqv37.txt"), " bqv37\r\nBQV37\r\nbq_x2x\r\n");
    server.put(QStringLiteral("Download/bq_x2x.txt"), "bqv37\r\n");
    pointAt(server.url());
    ASSERT_TRUE(runCheck());
    EXPECT_EQ(prompts(), 0);
    EXPECT_EQ(hints, QStringList{UpdateCheck::waitingHint()});
}

TEST_F(Update, AServerThatNeverAnswersEndsInTheHintWithoutHoldingTheWindow) {
    LocalHttpServer server(LocalHttpServer::Mode::Silent);
    ASSERT_TRUE(server.isRunning());
    pointAt(server.url());
    check.setTimeout(400);
    int ticks = 0;
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&ticks] { ++ticks; });
    heartbeat.start(10);
    QElapsedTimer clock;
    clock.start();
    check.run();
    EXPECT_TRUE(check.isRunning()) << "run() returns at once";
    EXPECT_LT(clock.elapsed(), 200);
    QSignalSpy done(&check, &UpdateCheck::finished);
    ASSERT_TRUE(done.wait(5000));
    EXPECT_GT(ticks, 20) << "events were processed while the downloads waited";
    EXPECT_EQ(hints.last(), QStringLiteral("查無 更新版"));
    EXPECT_EQ(prompts(), 0);
    EXPECT_FALSE(QFile::exists(marker(QStringLiteral("bqv37.txt"))));
}

TEST_F(Update, OldMarkersAreDeletedEvenWhenTheDownloadsFail) {
    putMarker(QStringLiteral("bqv36.txt"), "bqv36\r\n");
    putMarker(QStringLiteral("bqx1.txt"), "x");
    putMarker(QStringLiteral("notes.txt"), "kept");
    pointAt(refusingUrl());
    ASSERT_TRUE(runCheck());
    EXPECT_FALSE(QFile::exists(marker(QStringLiteral("bqv36.txt"))));
    EXPECT_FALSE(QFile::exists(marker(QStringLiteral("bqx1.txt"))));
    EXPECT_TRUE(QFile::exists(marker(QStringLiteral("notes.txt"))));
    EXPECT_EQ(hints.last(), UpdateCheck::nothingFoundHint());
}

TEST_F(Update, FailedDownloadsReadTheMarkersOfAnEarlierCheck) {
    putMarker(QStringLiteral("bq_x2x.txt"), "bq_x2x\r\n");
    pointAt(refusingUrl());
    ASSERT_TRUE(runCheck());
    EXPECT_EQ(prompts(), 1);
    EXPECT_EQ(hints, QStringList{UpdateCheck::waitingHint()});
}

TEST_F(Update, MissingFilesRedirectsAndLargeMarkersAreNotTaken) {
    LocalHttpServer server;
    // bq_x2x.txt is missing (404); bqv37.txt is a folder, which the server redirects.
    server.makeFolder(QStringLiteral("Download/bqv37.txt"));
    pointAt(server.url());
    putMarker(QStringLiteral("bqv37.txt"), "old\r\n");
    ASSERT_TRUE(runCheck());
    EXPECT_EQ(markerBytes(QStringLiteral("bqv37.txt")), "old\r\n");
    EXPECT_FALSE(QFile::exists(marker(QStringLiteral("bq_x2x.txt"))));
    EXPECT_EQ(server.requests().size(), 2) << "the redirect is not followed";

    // More than 64 KB.
    LocalHttpServer big;
    big.put(QStringLiteral("Download/bqv37.txt"),
            QByteArray("bqv37\r\n").repeated(MarkerDownload::largestMarker / 7 + 1));
    pointAt(big.url());
    offers = 0;
    ASSERT_TRUE(runCheck());
    EXPECT_EQ(markerBytes(QStringLiteral("bqv37.txt")), "old\r\n");
    EXPECT_EQ(prompts(), 0);
}

TEST_F(Update, AStaleMarkerOver64KilobytesIsNotRead) {
    putMarker(QStringLiteral("bqv37.txt"),
              QByteArray("bqv37\r\n").repeated(MarkerDownload::largestMarker / 7 + 1));
    pointAt(refusingUrl());
    ASSERT_TRUE(runCheck());
    EXPECT_EQ(prompts(), 0);
}

TEST_F(Update, OnlyWebAddressesAreAsked) {
    pointAt(QUrl(QStringLiteral("file:///etc")));
    EXPECT_TRUE(UpdateEndpoint::base().isEmpty());
    ASSERT_TRUE(runCheck());
    EXPECT_EQ(hints.last(), UpdateCheck::nothingFoundHint());

    pointAt(QUrl(QStringLiteral("https://updates.example.net/brevmark/")));
    EXPECT_EQ(UpdateEndpoint::markerUrl(UpdateEndpoint::versionTag()),
              QUrl(QStringLiteral("https://updates.example.net/brevmark/Download/bqv37.txt")));
    EXPECT_EQ(UpdateEndpoint::productPage(),
              QUrl(QStringLiteral("https://updates.example.net/brevmark/BQ/bq.htm")));
}

TEST_F(Update, MarkersGoBelowTheHomeCacheWithoutXdgCacheHome) {
    QTemporaryDir home;
    env.unset("XDG_CACHE_HOME");
    env.set("HOME", home.path().toUtf8());
    EXPECT_EQ(UpdateCheck::markerFolder(), QDir(home.path()).filePath(".cache/Brevmark"));
}

} // namespace
} // namespace brevmark::test
