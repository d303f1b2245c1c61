#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace brevmark::test {

// A desktop of the test's own: a virtual X server (Xvfb picks a free display number and says
// which, -displayfd) with a window manager (openbox, at its stock settings) that frames, places
// and focuses windows as a user's desktop does. Both stop with this object, or with the test
// process when it dies. The screen is 1280 x 1024 pixels at a scale of 1, unless
// BREVMARK_DESKTOP_SCREEN says otherwise ("1920x1080@2": the pixels and the scale the program
// runs at, QT_SCALE_FACTOR).
class DesktopSession {
public:
    ~DesktopSession();

    // The running desktop, or nothing with the reason (Xvfb or openbox missing, or one did not
    // come up).
    static std::unique_ptr<DesktopSession> start(QString* why);
    // ":N", for DISPLAY.
    const QString& display() const { return display_; }
    // The scale the program's windows take on this desktop ("1", "2").
    const QString& scale() const { return scale_; }

private:
    DesktopSession() = default;
    bool startServer(QString* why);
    bool startWindowManager(QString* why);

    QProcess server_;
    QProcess windowManager_;
    QTemporaryDir home_;
    QString display_;
    QString pixels_ = QStringLiteral("1280x1024");
    QString scale_ = QStringLiteral("1");
};

// The reason the desktop tests cannot run in this process, or empty when they can.
QString desktopMissing();
void setDesktopMissing(const QString& why);

} // namespace brevmark::test
