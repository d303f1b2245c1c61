#include "support/FixtureScript.h"

#include <QProcess>
#include <stdexcept>

namespace brevmark::test {

void runFixtureScript(const QString& script, const QStringList& arguments) {
    QProcess python;
    python.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    python.start(QStringLiteral("python3"),
                 QStringList{QStringLiteral(BREVMARK_SOURCE_DIR "/") + script} + arguments);
    if (!python.waitForFinished(60000) || python.exitStatus() != QProcess::NormalExit ||
        python.exitCode() != 0)
        throw std::runtime_error("fixture script failed: " + script.toStdString());
}

} // namespace brevmark::test
