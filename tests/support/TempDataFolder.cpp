#include "support/TempDataFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <stdexcept>

namespace brevmark::test {

TempDataFolder::TempDataFolder(bool createDataFolders) {
    if (createDataFolders) {
        QDir().mkpath(location().recordsFolder());
        QDir().mkpath(location().picturesFolder());
    }
}

void TempDataFolder::writeRecordsFile(const QString& name, const QByteArray& bytes) const {
    QFile f(recordsFile(name));
    if (!f.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write fixture");
    f.write(bytes);
}

QByteArray TempDataFolder::readRecordsFile(const QString& name) const {
    QFile f(recordsFile(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QByteArray pythonCp950(const QString& text) {
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import sys; sys.stdout.buffer.write("
                                 "sys.stdin.buffer.read().decode('utf-8').encode('cp950'))")});
    python.write(text.toUtf8());
    python.closeWriteChannel();
    if (!python.waitForFinished(10000) || python.exitCode() != 0)
        throw std::runtime_error("python3 cp950 encoding failed");
    return python.readAllStandardOutput();
}

QString pythonStoredPassword(const QString& password, int key) {
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import sys\n"
                                 "k = int(sys.argv[1])\n"
                                 "b = sys.stdin.buffer.read().decode('utf-8').encode('cp950')\n"
                                 "print('%02X' % k + ''.join('%02X' % ((x + k) % 256) for x in b),"
                                 " end='')"),
                  QString::number(key)});
    python.write(password.toUtf8());
    python.closeWriteChannel();
    if (!python.waitForFinished(10000) || python.exitCode() != 0)
        throw std::runtime_error("python3 password encoding failed");
    return QString::fromLatin1(python.readAllStandardOutput());
}

} // namespace brevmark::test
