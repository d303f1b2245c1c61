#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <initializer_list>

namespace brevmark::test {

// brevmark-batch run as a child process the way a script runs it: without DISPLAY,
// WAYLAND_DISPLAY or QT_QPA_PLATFORM in its environment.
struct BatchResult {
    int exitCode = -1;
    QString out;
    QString err;
};

QString batchProgram();
// A command line written as UTF-8 words, for the tables of cases.
QStringList args(std::initializer_list<const char*> list);
// The environment a run gets: this process's, without the display variables.
QProcessEnvironment headlessEnvironment();
BatchResult runBatch(const QStringList& arguments,
                     const QProcessEnvironment& environment = headlessEnvironment(),
                     const QString& program = batchProgram());

// A file's bytes and modification time, to show that a run left it as it was.
struct FileState {
    QByteArray bytes;
    qint64 modified = 0;
    bool operator==(const FileState&) const = default;
};
FileState fileState(const QString& path);

} // namespace brevmark::test
