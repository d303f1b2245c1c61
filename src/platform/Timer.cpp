#include "platform/Timer.h"

namespace brevmark {

Timer::Timer(const QString& name, int periodMs, QObject* parent)
    : QObject(parent), period_(periodMs) {
    setObjectName(name);
    timer_.setInterval(periodMs);
    connect(&timer_, &QTimer::timeout, this, &Timer::ticked);
}

void Timer::start() {
    if (period_ > 0)
        timer_.start(period_);
}

void Timer::stop() { timer_.stop(); }

void Timer::setPeriod(int periodMs) {
    period_ = periodMs;
    if (periodMs <= 0)
        timer_.stop();
    else
        timer_.setInterval(periodMs);
}

void Timer::fire() { emit ticked(); }

} // namespace brevmark
