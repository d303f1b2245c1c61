#include "manager/ColumnLayout.h"

namespace brevmark {

ColumnLayout::ColumnLayout(const std::array<double, 7>& edges) : edges_(edges) {}

double ColumnLayout::width(int field, int lastField) const {
    if (field < lastField && field < 6)
        return edges_[std::size_t(field + 1)] - gap - edges_[std::size_t(field)];
    return lastWidth_;
}

bool ColumnLayout::onGrip(int field, double x, int lastField) const {
    if (field < 1 || field > 6)
        return false;
    const double right = left(field) + width(field, lastField);
    return x > right - grip && x <= right;
}

bool ColumnLayout::resize(int field, double delta, int lastField) {
    if (field < 1 || field > 6 || width(field, lastField) + delta < minimumWidth)
        return false;
    if (field >= lastField || field == 6)
        lastWidth_ += delta;
    for (int k = field + 1; k < 7; ++k)
        edges_[std::size_t(k)] += delta;
    return true;
}

} // namespace brevmark
