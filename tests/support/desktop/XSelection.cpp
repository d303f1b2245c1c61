#include "XSelection.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QThread>

namespace brevmark::test::x_selection {

QString missing() {
    return QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty()
               ? QStringLiteral("xclip is not installed")
               : QString();
}

bool copy(const QByteArray& bytes, const QString& selection, const QString& target) {
    QTemporaryFile file;
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush())
        return false;
    QProcess xclip;
    xclip.setStandardInputFile(QProcess::nullDevice());
    xclip.setStandardOutputFile(QProcess::nullDevice());
    xclip.setStandardErrorFile(QProcess::nullDevice());
    xclip.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), selection,
                                         QStringLiteral("-t"), target, QStringLiteral("-i"),
                                         file.fileName()});
    return xclip.waitForFinished(10000) && xclip.exitCode() == 0;
}

QByteArray paste(const QString& selection, const QString& target) {
    // The owner may be this very process: xclip's request is answered from its event loop, so
    // the loop runs while xclip waits.
    QProcess xclip;
    xclip.setStandardErrorFile(QProcess::nullDevice());
    xclip.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), selection,
                                         QStringLiteral("-t"), target, QStringLiteral("-o")});
    for (int i = 0; i < 1000 && xclip.state() != QProcess::NotRunning; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        xclip.waitForFinished(10);
    }
    return xclip.readAllStandardOutput();
}

} // namespace brevmark::test::x_selection
