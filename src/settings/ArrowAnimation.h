#pragma once

namespace brevmark {

// The arrow of the resolution panel gliding towards the status picture of the chosen level:
// 60 twips a tick, landing exactly on the target instead of passing it.
class ArrowAnimation {
public:
    static constexpr double stepTwips = 60;
    static constexpr int periodMs = 10;

    explicit ArrowAnimation(double top = 0) : top_(top), target_(top) {}

    void setTarget(double targetTop) { target_ = targetTop; }
    double top() const { return top_; }
    double target() const { return target_; }
    bool arrived() const { return top_ == target_; }
    // One tick; false once the arrow is level with the target (the timer then stops).
    bool step();

private:
    double top_;
    double target_;
};

} // namespace brevmark
