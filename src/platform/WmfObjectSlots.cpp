#include "platform/WmfObjectSlots.h"

#include <algorithm>
#include <bit>

namespace brevmark {

WmfObjectSlots::WmfObjectSlots(int declared) : size_(std::clamp(declared, 0, maxSlots)) {
    for (int i = 0; i < size_; ++i)
        setFree(i, true);
}

void WmfObjectSlots::setFree(int index, bool free) {
    const int leaf = index / 64;
    const int middle = leaf / 64;
    const quint64 bit = quint64(1) << (index % 64);
    leaves_[size_t(leaf)] = free ? leaves_[size_t(leaf)] | bit : leaves_[size_t(leaf)] & ~bit;
    const quint64 leafBit = quint64(1) << (leaf % 64);
    middle_[size_t(middle)] = leaves_[size_t(leaf)] ? middle_[size_t(middle)] | leafBit
                                                    : middle_[size_t(middle)] & ~leafBit;
    const quint16 middleBit = quint16(1u << middle);
    top_ = middle_[size_t(middle)] ? quint16(top_ | middleBit) : quint16(top_ & ~middleBit);
}

std::optional<int> WmfObjectSlots::take() {
    if (top_) {
        const int middle = std::countr_zero(top_);
        const int leaf = middle * 64 + std::countr_zero(middle_[size_t(middle)]);
        const int index = leaf * 64 + std::countr_zero(leaves_[size_t(leaf)]);
        setFree(index, false);
        return index;
    }
    if (size_ < maxSlots)
        return size_++;
    return std::nullopt;
}

void WmfObjectSlots::release(int index) {
    if (isTaken(index))
        setFree(index, true);
}

bool WmfObjectSlots::isTaken(int index) const {
    if (index < 0 || index >= size_)
        return false;
    return !(leaves_[size_t(index / 64)] & (quint64(1) << (index % 64)));
}

} // namespace brevmark
