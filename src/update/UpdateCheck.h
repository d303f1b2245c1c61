#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QNetworkAccessManager;

namespace brevmark {

class FileSystem;
class MessageBoxes;
class SystemServices;

// The update check: once a start, when the user switched it on. It deletes the marker files of
// earlier versions, downloads the product line's and this version's marker files into the marker
// folder without blocking the window, and offers the product's page once for every line of a
// marker that holds its tag. Failed downloads leave the markers of an earlier check to be read.
class UpdateCheck : public QObject {
    Q_OBJECT
public:
    // Each download ends after this long at most.
    static constexpr int defaultTimeoutMs = 4000;

    UpdateCheck(FileSystem& files, MessageBoxes& messages, SystemServices& system,
                std::function<void(const QString&)> setHint, QObject* parent = nullptr);
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

    // `更新提示`: asks whether to open the product's page, and opens it in the browser on Yes.
    void prompt();

    static QString waitingHint() { return QStringLiteral("查詢是否堆出更新版 請稍候 . . . . ."); }
    static QString nothingFoundHint() { return QStringLiteral("查無 更新版"); }

signals:
    void finished();

private:
    void download(int index);
    void evaluate();
    void promptForTagLines(const QString& tag);
    QString markerPath(const QString& tag) const;

    FileSystem& files_;
    MessageBoxes& messages_;
    SystemServices& system_;
    std::function<void(const QString&)> setHint_;
    QNetworkAccessManager* network_;
    QString folder_;
    int timeoutMs_ = defaultTimeoutMs;
    bool running_ = false;
};

} // namespace brevmark
