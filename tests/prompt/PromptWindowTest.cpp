#include "prompt/PromptWindow.h"
#include "support/FakeSystemServices.h"
#include "platform/Timer.h"
#include "prompt/NoticePicture.h"
#include "prompt/PromptAnimation.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

using namespace brevmark;

namespace {

class PromptWindowTest : public ::testing::Test {
protected:
    test::FakeSystemServices services;
    std::unique_ptr<PromptWindow> window = std::make_unique<PromptWindow>(services);

    Timer* timer(const char* name) const {
        return window->findChild<Timer*>(QString::fromUtf8(name));
    }
    Timer* start() const { return timer("展開提示"); }
    Timer* grow() const { return timer("視窗展開"); }
    Timer* wait() const { return timer("等待"); }
    Timer* shrink() const { return timer("視窗縮關"); }

    // Fires `timer` until it stops; returns the number of ticks.
    int runOut(Timer* t) {
        int ticks = 0;
        while (t->isActive() && ticks < 1000) {
            t->fire();
            ++ticks;
        }
        return ticks;
    }
};

TEST_F(PromptWindowTest, IsAHiddenFramelessTopLevelWithItsFourTimersStopped) {
    EXPECT_EQ(window->objectName(), QStringLiteral("提示視窗"));
    EXPECT_TRUE(window->isWindow());
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(window->isVisible());
    ASSERT_NE(start(), nullptr);
    ASSERT_NE(grow(), nullptr);
    ASSERT_NE(wait(), nullptr);
    ASSERT_NE(shrink(), nullptr);
    EXPECT_EQ(start()->period(), 50);
    EXPECT_EQ(grow()->period(), 10);
    EXPECT_EQ(wait()->period(), 1000);
    EXPECT_EQ(shrink()->period(), 20);
    for (Timer* t : {start(), grow(), wait(), shrink()})
        EXPECT_FALSE(t->isActive()) << t->objectName().toStdString();
    EXPECT_NE(window->findChild<QWidget*>(QStringLiteral("視窗底圖")), nullptr);
}

TEST_F(PromptWindowTest, RunsGrowWaitShrinkAndEndsIdle) {
    window->requestNotice(3);
    EXPECT_EQ(window->tag(), QStringLiteral("3"));
    EXPECT_TRUE(start()->isActive());
    EXPECT_FALSE(window->isVisible());

    start()->fire();
    EXPECT_FALSE(start()->isActive());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(grow()->isActive());
    EXPECT_EQ(window->shownNotice(), 3);
    EXPECT_EQ(window->sizeTwips(), QSizeF(200, 100));

    grow()->fire();
    EXPECT_EQ(window->sizeTwips(), QSizeF(600, 200));
    // Centred on the 19200 x 10800 twip screen: (19200 - 600) / 2 / 15 = 620 pixels.
    EXPECT_EQ(window->geometry(), QRect(620, 353, 40, 13));

    EXPECT_EQ(runOut(grow()), 9);
    EXPECT_EQ(window->sizeTwips(), QSizeF(4080, 1080));
    EXPECT_EQ(window->size(), QSize(272, 72));
    EXPECT_EQ(window->geometry().topLeft(), QPoint(504, 324));
    EXPECT_TRUE(window->isFramed());
    EXPECT_EQ(services.beeps, 1);
    EXPECT_TRUE(wait()->isActive());
    EXPECT_FALSE(shrink()->isActive());

    wait()->fire();
    EXPECT_FALSE(wait()->isActive());
    EXPECT_TRUE(shrink()->isActive());

    shrink()->fire();
    EXPECT_EQ(window->sizeTwips(), QSizeF(3680, 980));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(runOut(shrink()), 9);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->sizeTwips(), QSizeF(400, 100));
    EXPECT_EQ(window->tag(), QStringLiteral("0"));
    EXPECT_EQ(services.beeps, 1);
}

TEST_F(PromptWindowTest, ZeroOrEmptyTagShowsNothingAndStopsTheStartTimer) {
    for (const QString& tag : {QStringLiteral("0"), QString()}) {
        window->setTag(tag);
        start()->start();
        start()->fire();
        EXPECT_FALSE(start()->isActive());
        EXPECT_FALSE(window->isVisible());
        EXPECT_FALSE(grow()->isActive());
    }
}

TEST_F(PromptWindowTest, TwoRequestsWithinOneStartTickShowOnlyTheLater) {
    window->requestNotice(1);
    window->requestNotice(2);
    start()->fire();
    EXPECT_EQ(window->shownNotice(), 2);
    runOut(grow());
    EXPECT_EQ(services.beeps, 1);
    EXPECT_FALSE(start()->isActive());
}

TEST_F(PromptWindowTest, PendingNoticeWaitsForTheNextRead) {
    window->requestPendingNotice(4);
    EXPECT_FALSE(start()->isActive());
    EXPECT_EQ(window->tag(), QStringLiteral("4"));

    window->startPendingNotice();
    EXPECT_TRUE(start()->isActive());
    start()->fire();
    EXPECT_EQ(window->shownNotice(), 4);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(PromptWindowTest, StartingWithoutAPendingNoticeDoesNothing) {
    window->startPendingNotice();
    EXPECT_FALSE(start()->isActive());
}

TEST_F(PromptWindowTest, RequestWhileShrinkingRestartsSmallAndStopsTheShrink) {
    window->requestNotice(1);
    start()->fire();
    runOut(grow());
    wait()->fire();
    shrink()->fire();
    shrink()->fire();

    window->requestNotice(2);
    start()->fire();
    EXPECT_EQ(window->sizeTwips(), QSizeF(200, 100));
    EXPECT_FALSE(shrink()->isActive());
    EXPECT_TRUE(grow()->isActive());
    EXPECT_FALSE(window->isFramed());
    EXPECT_EQ(window->shownNotice(), 2);
    EXPECT_EQ(window->tag(), QStringLiteral("2"));
}

TEST_F(PromptWindowTest, RequestWhileWaitingKeepsTheRunningWait) {
    window->requestNotice(1);
    start()->fire();
    runOut(grow());
    ASSERT_TRUE(wait()->isActive());

    window->requestNotice(3);
    start()->fire();
    EXPECT_TRUE(wait()->isActive());
    EXPECT_TRUE(grow()->isActive());
    // The old wait ends first and starts the shrink while the new notice still grows.
    wait()->fire();
    EXPECT_TRUE(shrink()->isActive());
}

TEST(NoticePictureTest, EveryNoticeHasItsPictureAtTheNoticeSize) {
    for (int notice = 1; notice <= 4; ++notice) {
        const QImage image = NoticePicture::render(notice);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.deviceIndependentSize().toSize(), QSize(272, 72));
        EXPECT_EQ(NoticePicture::caption(notice).size(), 4);
    }
    EXPECT_TRUE(NoticePicture::render(0).isNull());
    EXPECT_TRUE(NoticePicture::render(5).isNull());
    EXPECT_NE(NoticePicture::render(1), NoticePicture::render(2));
}

TEST(PromptAnimationTest, GrowTakesTenStepsAndShrinkTenSteps) {
    PromptAnimation a;
    a.restart();
    int steps = 1;
    while (!a.grow())
        ++steps;
    EXPECT_EQ(steps, 10);
    EXPECT_EQ(a.size(), QSizeF(4080, 1080));
    steps = 1;
    while (!a.shrink())
        ++steps;
    EXPECT_EQ(steps, 10);
    EXPECT_EQ(a.size(), QSizeF(400, 100));
}

} // namespace
