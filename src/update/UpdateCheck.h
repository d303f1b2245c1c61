#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QNetworkAccessManager;

namespace brevmark {

class FileSystem;

// The update check: once a start, when the user switched it on. It deletes the marker files of
// earlier versions, downloads the product line's and this version's marker files into the marker
// folder without blocking the window, and offers the product's page once for every line of a
// marker that holds its tag (the window asks the user and opens the page). Failed downloads leave
// the markers of an earlier check to be read.
class UpdateCheck : public QObject {
    Q_OBJECT
public:
    // Each download ends after this long at most.
    static constexpr int defaultTimeoutMs = 4000;

    UpdateCheck(FileSystem& files, std::function<void(const QString&)> setHint,
                QObject* parent = nullptr);
    ~UpdateCheck() override;

    // `$XDG_CACHE_HOME/Brevmark`, else `~/.cache/Brevmark`: the markers live there and nowhere
    // else.
    static QString markerFolder();
    // The markers earlier versions downloaded; each check deletes those that exist.
    static const QStringList& oldMarkerNames();

    void setTimeout(int ms) { timeoutMs_ = ms; }
    // Runs the check (the first tick of `更新查詢`); it ends later with `finished`.
    void run();
    bool isRunning() const { return running_; }

    // `更新提示`: the question offering the product's page.
    static QString offerTitle() { return QStringLiteral("新版通知"); }
    static QString offerText() { return QStringLiteral("已經推出更新版本、是否上網下載"); }

    static QString waitingHint() { return QStringLiteral("查詢是否堆出更新版 請稍候 . . . . ."); }
    static QString nothingFoundHint() { return QStringLiteral("查無 更新版"); }

signals:
    // A marker line holds the tag: the product's page is to be offered, once for every such line.
    void newVersionAnnounced();
    void finished();

private:
    void download(int index);
    void evaluate();
    void promptForTagLines(const QString& tag);
    QString markerPath(const QString& tag) const;

    FileSystem& files_;
    std::function<void(const QString&)> setHint_;
    QNetworkAccessManager* network_;
    QString folder_;
    int timeoutMs_ = defaultTimeoutMs;
    bool running_ = false;
};

} // namespace brevmark
