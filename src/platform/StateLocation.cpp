#include "platform/StateLocation.h"

#include <QDir>

namespace brevmark {

QString stateFolder() {
    // The XDG base directory rules ignore a relative path here.
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return QDir::cleanPath(base) + QStringLiteral("/Brevmark");
}

} // namespace brevmark
