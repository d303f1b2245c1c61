#include "settings/ArrowAnimation.h"

namespace brevmark {

bool ArrowAnimation::step() {
    if (top_ < target_)
        top_ = top_ + stepTwips > target_ ? target_ : top_ + stepTwips;
    else if (top_ > target_)
        top_ = top_ - stepTwips < target_ ? target_ : top_ - stepTwips;
    return !arrived();
}

} // namespace brevmark
