#pragma once

#include <QUrl>

// Where the settings window and the update check send the user.
namespace brevmark::web_links {

// The product's page, where new versions are offered.
inline QUrl productPage() {
    return QUrl(QStringLiteral("https://brevmark.example.org/download"));
}
// The maker's home page and a second page of the maker's site.
inline QUrl makerHome() {
    return QUrl(QStringLiteral("https://brevmark.example.org/"));
}
inline QUrl makerSupport() {
    return QUrl(QStringLiteral("https://brevmark.example.org/support"));
}

} // namespace brevmark::web_links
