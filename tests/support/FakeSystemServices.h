#pragma once

#include "platform/SystemServices.h"

#include <QDateTime>
#include <QList>
#include <QUrl>

namespace brevmark::test {

// The system as a test sets it: a 1280 x 720 pixel screen unless told otherwise, no fonts, no
// print key, a clock and a random number that stand still; beeps and browser pages are counted.
class FakeSystemServices : public SystemServices {
public:
    QSizeF screen{19200, 10800};
    QStringList fonts;
    QDateTime clock;
    double randomValue = 0.5;
    bool browserOpens = false;
    int beeps = 0;
    QList<QUrl> opened;

    QSizeF screenSizeTwips() const override { return screen; }
    QStringList screenFonts() const override { return fonts; }
    bool isPrintKeyDown() const override { return false; }
    void beep() override { ++beeps; }
    QDateTime now() const override { return clock; }
    double random() override { return randomValue; }
    bool openInBrowser(const QUrl& url) override {
        opened.append(url);
        return browserOpens;
    }
};

// A 1920 x 1080 pixel screen and a calendar fixed at 9 December 2026, 9:00.
inline FakeSystemServices desktopSystem() {
    FakeSystemServices system;
    system.screen = {28800, 16200};
    system.clock = QDateTime(QDate(2026, 12, 9), QTime(9, 0));
    return system;
}

// A browser that opens every page it is given.
inline FakeSystemServices browserSystem() {
    FakeSystemServices system;
    system.browserOpens = true;
    return system;
}

// A 1920 x 1080 pixel screen, a clock that is not set and a random number of 0.
inline FakeSystemServices quietSystem() {
    FakeSystemServices system;
    system.screen = {28800, 16200};
    system.randomValue = 0;
    return system;
}

} // namespace brevmark::test
