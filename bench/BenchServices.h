#pragma once

// The desktop services a benchmark puts around the model it times: a clipboard that only holds
// text and a system that neither beeps nor opens anything.
#include "platform/Clipboard.h"
#include "platform/SystemServices.h"

#include <QDateTime>
#include <QImage>
#include <QStringList>

namespace brevmark::bench {

class TextClipboard : public Clipboard {
public:
    QString held;
    void clear() override { held.clear(); }
    void setText(const QString& text) override { held = text; }
    void setImage(const QImage&) override { held.clear(); }
    QString text() const override { return held; }
};

class QuietSystem : public SystemServices {
public:
    QSizeF screenSizeTwips() const override { return {28800, 16200}; }
    QStringList screenFonts() const override { return {}; }
    bool isPrintKeyDown() const override { return false; }
    void beep() override {}
    QDateTime now() const override { return {}; }
    double random() override { return 0; }
    bool openInBrowser(const QUrl&) override { return false; }
};

} // namespace brevmark::bench
