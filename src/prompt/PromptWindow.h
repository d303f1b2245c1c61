#pragma once

#include "prompt/PromptAnimation.h"

#include <QImage>
#include <QString>
#include <QWidget>

namespace brevmark {

class NoticeBackground;
class SystemServices;
class Timer;

// The prompt window `提示視窗`: a borderless notice that grows from the centre of the screen,
// stays about a second, shrinks and hides. It takes no input and never blocks the caller; all of
// it runs on four named timers.
//
// Notices: 1 added, 2 deleted, 3 recorded, 4 changed.
class PromptWindow : public QWidget {
    Q_OBJECT
public:
    explicit PromptWindow(SystemServices& services, QWidget* parent = nullptr);

    // Shows notice n soon (on the next `展開提示` tick). A later request before that tick wins.
    void requestNotice(int notice);
    // Only records notice n; startPendingNotice() shows it later.
    void requestPendingNotice(int notice);
    // Starts the recorded notice, if there is one.
    void startPendingNotice();

    QString tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }
    // Window size in twips.
    QSizeF sizeTwips() const { return animation_.size(); }
    // The notice whose picture is on the background (0 before the first one).
    int shownNotice() const { return shownNotice_; }
    bool isFramed() const;

    Timer* startTimer() const { return start_; }
    Timer* growTimer() const { return grow_; }
    Timer* waitTimer() const { return wait_; }
    Timer* shrinkTimer() const { return shrink_; }

private:
    void onStart();
    void onGrow();
    void onWait();
    void onShrink();
    void place();

    SystemServices& services_;
    PromptAnimation animation_;
    QString tag_ = QStringLiteral("0");
    int shownNotice_ = 0;
    NoticeBackground* background_;
    Timer* start_;
    Timer* grow_;
    Timer* wait_;
    Timer* shrink_;
};

} // namespace brevmark
