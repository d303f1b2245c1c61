#include "print/F1Poller.h"

#include "platform/SystemServices.h"
#include "platform/Timer.h"

namespace brevmark {

F1Poller::F1Poller(SystemServices& system, Timer& timer, std::function<void()> print,
                   QObject* parent)
    : QObject(parent), system_(system), print_(std::move(print)),
      lastPresses_(system.printKeyPresses()), lastDown_(system.isPrintKeyDown()) {
    connect(&timer, &Timer::ticked, this, &F1Poller::poll);
}

void F1Poller::forgetPresses() {
    lastPresses_ = system_.printKeyPresses();
    lastDown_ = system_.isPrintKeyDown();
}

void F1Poller::poll() {
    const int presses = system_.printKeyPresses();
    const bool down = system_.isPrintKeyDown();
    const bool pressed = presses != lastPresses_ || (down && !lastDown_);
    lastPresses_ = presses;
    lastDown_ = down;
    // A message box inside a print runs its own event loop, in which the timer ticks again.
    if (!pressed || busy_ || !print_)
        return;
    busy_ = true;
    ++jobs_;
    print_();
    busy_ = false;
}

} // namespace brevmark
