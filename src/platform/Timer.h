#pragma once

#include <QObject>
#include <QTimer>

namespace brevmark {

// A named periodic task on the user-interface thread. Its object name is the program's name for
// it; tests find it by that name and drive it with fire().
class Timer : public QObject {
    Q_OBJECT
public:
    Timer(const QString& name, int periodMs, QObject* parent = nullptr);

    void start();
    void stop();
    bool isActive() const { return timer_.isActive(); }
    int period() const { return period_; }
    // A period of 0 disables the timer: start() then does nothing.
    void setPeriod(int periodMs);
    // Runs one tick now, as if the period had passed.
    void fire();

signals:
    void ticked();

private:
    QTimer timer_;
    int period_;
};

} // namespace brevmark
