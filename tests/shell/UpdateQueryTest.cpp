#include "ShellDoubles.h"

#include "platform/Timer.h"
#include "support/LocalHttpServer.h"
#include "support/ScopedEnvironment.h"
#include "update/UpdateCheck.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace brevmark;

namespace {

class UpdateQuery : public ::testing::Test, protected test::ShellFixture {
protected:
    UpdateQuery() { env.set("XDG_CACHE_HOME", cache.path().toUtf8()); }
    MainWindow& start(const char* flag) {
        writeSettings(QStringLiteral("\"更新設定\",\"%1\"\r\n").arg(QString::fromUtf8(flag)));
        MainWindow& w = make();
        EXPECT_TRUE(w.start());
        w.show();
        timer("排列視窗位置")->fire();
        return w;
    }
    Timer* timer(const char* name) const {
        return window->findChild<Timer*>(QString::fromUtf8(name));
    }
    QStringList cacheEntries() const {
        return QDir(cache.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }

    test::ScopedEnvironment env;
    QTemporaryDir cache;
};

} // namespace

TEST_F(UpdateQuery, FlagZeroTouchesNoFileAndAsksNoServer) {
    test::LocalHttpServer server;
    env.set("BREVMARK_UPDATE_URL", server.url().toString().toUtf8());
    MainWindow& w = start("0");
    EXPECT_FALSE(timer("更新查詢")->isActive());
    QTest::qWait(1300);
    EXPECT_TRUE(server.requests().isEmpty());
    EXPECT_TRUE(cacheEntries().isEmpty());
    EXPECT_NE(w.hint(), UpdateCheck::waitingHint());
}

TEST_F(UpdateQuery, AServerThatNeverAnswersLeavesTheWindowWorking) {
    test::LocalHttpServer server(test::LocalHttpServer::Mode::Silent);
    env.set("BREVMARK_UPDATE_URL", server.url().toString().toUtf8());
    MainWindow& w = start("1");
    Timer* query = timer("更新查詢");
    ASSERT_TRUE(query->isActive());
    EXPECT_EQ(query->period(), 1000);
    w.updateCheck().setTimeout(400);

    QSignalSpy done(&w.updateCheck(), &UpdateCheck::finished);
    ASSERT_TRUE(QSignalSpy(query, &Timer::ticked).wait(2000)); // its own first tick
    EXPECT_FALSE(query->isActive()) << "one check a start";
    EXPECT_EQ(w.hint(), UpdateCheck::waitingHint());
    // The window keeps taking events while the downloads wait.
    int ticks = 0;
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&ticks] { ++ticks; });
    heartbeat.start(10);
    ASSERT_TRUE(done.count() > 0 || done.wait(5000));
    EXPECT_GT(ticks, 20);
    EXPECT_EQ(w.hint(), UpdateCheck::nothingFoundHint());
    EXPECT_FALSE(server.requests().isEmpty());
}

TEST_F(UpdateQuery, AnnouncedVersionPromptsAfterStartUp) {
    test::LocalHttpServer server;
    server.put(QStringLiteral("Download/bqv37.txt"), "bqv37\r\n");
    env.set("BREVMARK_UPDATE_URL", server.url().toString().toUtf8());
    MainWindow& w = start("1");
    QSignalSpy done(&w.updateCheck(), &UpdateCheck::finished);
    timer("更新查詢")->fire();
    ASSERT_TRUE(done.count() > 0 || done.wait(5000));
    EXPECT_EQ(messages.titles(), QStringList{QStringLiteral("新版通知")});
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("已經推出更新版本、是否上網下載"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(cacheEntries(), QStringList{QStringLiteral("Brevmark")});
}

TEST_F(UpdateQuery, YesOpensTheProductPageAndNoNothing) {
    env.set("BREVMARK_UPDATE_URL", "http://updates.example.net");
    MainWindow& w = start("1");
    messages.answers << MessageAnswer::Yes << MessageAnswer::No;
    emit w.updateCheck().newVersionAnnounced();
    emit w.updateCheck().newVersionAnnounced();
    EXPECT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(system.opened,
              QList<QUrl>{QUrl(QStringLiteral("http://updates.example.net/BQ/bq.htm"))});
}
