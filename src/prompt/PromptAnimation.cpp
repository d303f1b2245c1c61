#include "prompt/PromptAnimation.h"

namespace brevmark {

QPointF PromptAnimation::centredOn(QSizeF screen) const {
    return {(screen.width() - width_) / 2, (screen.height() - height_) / 2};
}

void PromptAnimation::restart() {
    width_ = startWidth;
    height_ = startHeight;
}

bool PromptAnimation::grow() {
    if (height_ < pictureHeight)
        height_ += 100;
    if (width_ < pictureWidth)
        width_ += 400;
    if (height_ >= pictureHeight && width_ >= pictureWidth) {
        width_ = pictureWidth;
        height_ = pictureHeight;
        return true;
    }
    return false;
}

bool PromptAnimation::shrink() {
    if (height_ > 100)
        height_ -= 100;
    if (width_ > 400)
        width_ -= 400;
    if (height_ <= 200 && width_ <= 400) {
        width_ = restWidth;
        height_ = restHeight;
        return true;
    }
    return false;
}

} // namespace brevmark
