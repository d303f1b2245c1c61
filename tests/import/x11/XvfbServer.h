#pragma once

#include <QProcess>
#include <QString>
#include <memory>

namespace brevmark::test {

// A virtual X server of the test's own: Xvfb picks a free display number and says which
// (-displayfd), and the server stops with this object.
class XvfbServer {
public:
    ~XvfbServer();

    // The running server, or nothing with the reason (Xvfb missing, or it did not start).
    static std::unique_ptr<XvfbServer> start(QString* why);
    // ":N", for DISPLAY.
    const QString& display() const { return display_; }

private:
    XvfbServer() = default;
    QProcess process_;
    QString display_;
};

// The reason the X clipboard tests cannot run in this process, or empty when they can.
QString x11Missing();
void setX11Missing(const QString& why);

} // namespace brevmark::test
