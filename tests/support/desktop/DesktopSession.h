#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace brevmark::test {

// A desktop of the test's own: a virtual X server (Xvfb picks a free display number and says
// which, -displayfd) with a window manager (openbox, at its stock settings) that frames, places
// and focuses windows as a user's desktop does. Both stop with this object, or with the test
// process when it dies.
class DesktopSession {
public:
    ~DesktopSession();

    // The running desktop, or nothing with the reason (Xvfb or openbox missing, or one did not
    // come up).
    static std::unique_ptr<DesktopSession> start(QString* why);
    // ":N", for DISPLAY.
    const QString& display() const { return display_; }

private:
    DesktopSession() = default;
    bool startServer(QString* why);
    bool startWindowManager(QString* why);

    QProcess server_;
    QProcess windowManager_;
    QTemporaryDir home_;
    QString display_;
};

// The reason the desktop tests cannot run in this process, or empty when they can.
QString desktopMissing();
void setDesktopMissing(const QString& why);

} // namespace brevmark::test
