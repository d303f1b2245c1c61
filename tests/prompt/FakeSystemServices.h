#pragma once

#include "platform/SystemServices.h"

namespace brevmark::test {

// A 1280 x 720 pixel screen that counts beeps.
class FakeSystemServices : public SystemServices {
public:
    int beeps = 0;
    QSizeF screen{19200, 10800};

    QSizeF screenSizeTwips() const override { return screen; }
    QStringList screenFonts() const override { return {}; }
    bool isPrintKeyDown() const override { return false; }
    void beep() override { ++beeps; }
    QDateTime now() const override { return {}; }
    double random() override { return 0.5; }
    bool openInBrowser(const QUrl&) override { return false; }
};

} // namespace brevmark::test
