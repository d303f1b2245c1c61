#pragma once

#include <QString>
#include <QUrl>

namespace brevmark {

// The web server that announces new versions: a marker file for this version, one for the
// product line, and the product's page. Its base address is fixed when the program is built; the
// environment variable BREVMARK_UPDATE_URL overrides it.
class UpdateEndpoint {
public:
    static QString versionTag() { return QStringLiteral("bqv37"); }
    static QString lineTag() { return QStringLiteral("bq_x2x"); }
    // The marker file of a tag, on the server below /Download and in the marker folder.
    static QString markerName(const QString& tag) { return tag + QStringLiteral(".txt"); }

    // The base address in force; empty when it is not an http or https address.
    static QUrl base();
    static QUrl markerUrl(const QString& tag);
    static QUrl productPage();

private:
    static QUrl at(const QString& path);
};

} // namespace brevmark
