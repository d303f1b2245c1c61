#include "BatchProcess.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace brevmark::test {

QString batchProgram() {
    return QStringLiteral(BREVMARK_BATCH_PROGRAM);
}

QProcessEnvironment headlessEnvironment() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    return env;
}

QStringList args(std::initializer_list<const char*> list) {
    QStringList l;
    for (const char* a : list)
        l << QString::fromUtf8(a);
    return l;
}

BatchResult runBatch(const QStringList& arguments, const QProcessEnvironment& environment,
                     const QString& program) {
    QProcess p;
    p.setProcessEnvironment(environment);
    p.start(program, arguments);
    BatchResult r;
    if (!p.waitForStarted(10000)) {
        r.err = QStringLiteral("<did not start>");
        return r;
    }
    if (!p.waitForFinished(240000)) {
        p.kill();
        p.waitForFinished(2000);
        r.err = QStringLiteral("<timed out>");
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

FileState fileState(const QString& path) {
    FileState s;
    QFile f(path);
    if (f.open(QIODevice::ReadOnly))
        s.bytes = f.readAll();
    s.modified = QFileInfo(path).lastModified().toMSecsSinceEpoch();
    return s;
}

} // namespace brevmark::test
