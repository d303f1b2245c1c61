#pragma once

#include <QDateTime>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace brevmark {

// Services of the desktop the program runs on.
class SystemServices {
public:
    virtual ~SystemServices() = default;

    virtual QSizeF screenSizeTwips() const = 0;
    virtual QStringList screenFonts() const = 0;
    // Whether the print hot key (F1) is held down while one of the program's windows is active.
    virtual bool isPrintKeyDown() const = 0;
    // How many times the print key went down (auto-repeat not counted) while one of the
    // program's windows was active; a tap between two polls still counts.
    virtual int printKeyPresses() const { return 0; }
    virtual void beep() = 0;
    virtual QDateTime now() const = 0;
    // A random number in [0, 1).
    virtual double random() = 0;
    virtual bool openInBrowser(const QUrl& url) = 0;
};

} // namespace brevmark
