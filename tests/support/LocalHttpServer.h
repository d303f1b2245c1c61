#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

namespace brevmark::test {

// A web server on 127.0.0.1 at a free port, run by python3 for as long as the object lives. It
// serves the files of its own folder and records every request it receives. A silent server
// accepts connections and never answers.
class LocalHttpServer {
public:
    enum class Mode { Serving, Silent };
    explicit LocalHttpServer(Mode mode = Mode::Serving);
    ~LocalHttpServer();

    bool isRunning() const { return port_ > 0; }
    QUrl url() const;
    // Writes a file below the served folder (folders are made as needed).
    void put(const QString& path, const QByteArray& bytes) const;
    void makeFolder(const QString& path) const;
    // "GET /path" for every request received so far ("CONNECT" for each connection to a silent
    // server).
    QStringList requests() const;

private:
    QTemporaryDir root_;
    QProcess python_;
    int port_ = 0;
};

// An address on 127.0.0.1 where nothing listens: connections are refused.
QUrl refusingUrl();

} // namespace brevmark::test
