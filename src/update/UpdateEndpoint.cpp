#include "update/UpdateEndpoint.h"

#include <QtGlobal>

namespace brevmark {

QUrl UpdateEndpoint::base() {
    const QString configured = qEnvironmentVariable("BREVMARK_UPDATE_URL");
    const QUrl url(configured.isEmpty() ? QStringLiteral(BREVMARK_DEFAULT_UPDATE_URL) : configured);
    // Plain web addresses only: the variable must not turn the check into a reader of local files.
    if (!url.isValid() ||
        (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")) ||
        url.host().isEmpty())
        return {};
    return url;
}

QUrl UpdateEndpoint::at(const QString& path) {
    QUrl url = base();
    if (url.isEmpty())
        return {};
    QString prefix = url.path();
    while (prefix.endsWith(QLatin1Char('/')))
        prefix.chop(1);
    url.setPath(prefix + path);
    url.setQuery(QString());
    url.setFragment(QString());
    return url;
}

QUrl UpdateEndpoint::markerUrl(const QString& tag) {
    return at(QStringLiteral("/Download/") + markerName(tag));
}

QUrl UpdateEndpoint::productPage() {
    return at(QStringLiteral("/BQ/bq.htm"));
}

} // namespace brevmark
