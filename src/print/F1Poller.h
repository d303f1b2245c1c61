#pragma once

#include <QObject>
#include <functional>

namespace brevmark {

class SystemServices;
class Timer;

// The print hot key: on each tick of the timer `列印熱鍵` (300 ms) it asks whether F1 went down
// since the last tick and then runs the print once. It is edge-triggered: a key held down, or
// repeating, starts one job, not one per tick; a tap shorter than the period still counts. The
// system reports the key only while one of the program's windows is active.
class F1Poller : public QObject {
    Q_OBJECT
public:
    F1Poller(SystemServices& system, Timer& timer, std::function<void()> print,
             QObject* parent = nullptr);

    // One poll, as a tick runs it.
    void poll();
    // Drops the presses made since the last poll: the next poll counts only presses after now
    // (the key pressed while the window was locked prints nothing).
    void forgetPresses();
    int jobsStarted() const { return jobs_; }

private:
    SystemServices& system_;
    std::function<void()> print_;
    int lastPresses_ = 0;
    bool lastDown_ = false;
    bool busy_ = false;
    int jobs_ = 0;
};

} // namespace brevmark
