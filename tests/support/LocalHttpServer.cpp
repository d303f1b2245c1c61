#include "support/LocalHttpServer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTcpServer>

namespace brevmark::test {

namespace {

const char* const serverScript = R"(
import http.server, socket, sys
mode, root, log = sys.argv[1], sys.argv[2], sys.argv[3]
def record(line):
    with open(log, 'a') as f:
        f.write(line + '\n')
if mode == 'silent':
    s = socket.socket()
    s.bind(('127.0.0.1', 0))
    s.listen(16)
    print(s.getsockname()[1], flush=True)
    held = []
    while True:
        c, _ = s.accept()
        held.append(c)
        record('CONNECT')
else:
    class Handler(http.server.SimpleHTTPRequestHandler):
        def __init__(self, *a, **k):
            super().__init__(*a, directory=root, **k)
        def parse_request(self):
            ok = super().parse_request()
            if ok:
                record(self.command + ' ' + self.path)
            return ok
        def log_message(self, fmt, *args):
            pass
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), Handler)
    print(server.server_address[1], flush=True)
    server.serve_forever()
)";

QString logPath(const QTemporaryDir& root) {
    return root.filePath(QStringLiteral(".requests.log"));
}

} // namespace

LocalHttpServer::LocalHttpServer(Mode mode) {
    python_.start(QStringLiteral("python3"),
                  {QStringLiteral("-c"), QString::fromUtf8(serverScript),
                   mode == Mode::Silent ? QStringLiteral("silent") : QStringLiteral("serve"),
                   root_.path(), logPath(root_)});
    if (!python_.waitForStarted(10000))
        return;
    while (python_.state() == QProcess::Running && !python_.canReadLine())
        python_.waitForReadyRead(10000);
    port_ = python_.readLine().trimmed().toInt();
}

LocalHttpServer::~LocalHttpServer() {
    python_.kill();
    python_.waitForFinished(5000);
}

QUrl LocalHttpServer::url() const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port_));
}

void LocalHttpServer::put(const QString& path, const QByteArray& bytes) const {
    const QString file = root_.filePath(path);
    QDir().mkpath(QFileInfo(file).path());
    QFile f(file);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

void LocalHttpServer::makeFolder(const QString& path) const {
    QDir().mkpath(root_.filePath(path));
}

QStringList LocalHttpServer::requests() const {
    QFile f(logPath(root_));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QUrl refusingUrl() {
    // A port that was free a moment ago.
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port));
}

} // namespace brevmark::test
