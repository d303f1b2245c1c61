#pragma once

#include "ShellDoubles.h"

#include "alignment/ui/AlignmentWindow.h"
#include "page/ui/PageEditor.h"
#include "page/ui/PageWidget.h"
#include "page/ui/SkinButton.h"
#include "platform/Timer.h"

#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace brevmark::test {

// The main window in its professional layout, and its alignment window opened by the
// arrangement panel's button as the user opens it.
struct AlignmentWindowFixture : ShellFixture {
    // `boxes`: the message boxes the window shows, the scripted ones when none is given.
    MainWindow& open(MessageBoxes* boxes = nullptr) {
        writeSettings(QStringLiteral("\"主視窗大小\",\"1 0 300 200 12090 7470\"\r\n"));
        window = std::make_unique<MainWindow>(
            ShellServices{folder.location(), files, boxes ? *boxes : messages, system, control});
        MainWindow& w = *window;
        EXPECT_TRUE(w.start());
        w.show();
        w.findChild<Timer*>(QStringLiteral("排列視窗位置"))->fire();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        return w;
    }
    // The arrangement panel's alignment button, clicked.
    AlignmentWindow* openAlignmentWindow() {
        emit window->toolbarActivated(ToolbarCommand::Arrangement);
        auto* button = window->findChild<SkinButton*>(QStringLiteral("標籤對齊按鈕"));
        EXPECT_TRUE(button && button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
        auto* w = window->findChild<AlignmentWindow*>(QStringLiteral("對齊視窗"));
        if (w)
            EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
        return w;
    }
    static void waitUntilGone(QPointer<AlignmentWindow>& w) {
        for (int i = 0; i < 50 && w; ++i)
            QTest::qWait(10);
        EXPECT_FALSE(w);
    }
    QImage page() const { return window->pageEditor().pageWidget()->grab().toImage(); }
};

} // namespace brevmark::test
