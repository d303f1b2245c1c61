#pragma once

#include "DesktopSession.h"
#include "ShellDoubles.h"
#include "UserInput.h"

#include "page/ui/PageEditor.h"
#include "page/ui/SkinButton.h"

#include <QGuiApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace brevmark::test {

// The whole program on the test's desktop (an X server with a window manager), driven by real keys
// and real pointer events (user_input); its message boxes are recorded. Skips only when Xvfb,
// openbox or xdotool is missing (scripts/install-deps.sh installs them).
class ProgramOnX : public ::testing::Test, protected ShellFixture {
protected:
    void SetUp() override {
        if (!desktopMissing().isEmpty())
            GTEST_SKIP() << "skipped: " << desktopMissing().toStdString();
        if (!user_input::missing().isEmpty())
            GTEST_SKIP() << "skipped: " << user_input::missing().toStdString();
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    }
    void TearDown() override { window.reset(); }

    // The program in a layout ("1 …" professional, "0 …" simple), shown and holding the focus.
    MainWindow& open(const QString& placement = QStringLiteral("1 0 100 100 12090 7470")) {
        return startActive(placement);
    }
    PageEditor& editor() { return window->pageEditor(); }
    const PageModel& model() { return editor().model(); }
    template <typename T = QWidget> T* find(const char* name, int index = -1) {
        return test::find<T>(*window, QString::fromUtf8(name), index);
    }
    QString hint() { return find<QLabel>("說明提示")->text(); }
    QList<int> items() { return model().pageItems(); }

    // A right click on the empty page at a page point (twips): the add-barcode panel opens there.
    void rightClickPage(double x, double y) {
        user_input::click(find("列印範圍"), QPoint(int(x / 15), int(y / 15)), Qt::RightButton);
    }
    // A right click on the empty page, then 增加【空白 條碼輸入區】.
    int addItemAt(double x, double y) {
        rightClickPage(x, y);
        auto* add = find<SkinButton>("增加條碼鈕", 0);
        EXPECT_TRUE(add && add->isVisible());
        user_input::click(add, add->rect().center());
        return model().currentItem;
    }
};

} // namespace brevmark::test
