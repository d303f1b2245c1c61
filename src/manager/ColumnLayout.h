#pragma once

#include <array>

namespace brevmark {

// Where the record manager's captions and entry fields stand: the left edges of the seven
// captions in twips (`標籤_X`). Each entry field runs from under its caption to 120 twips before
// the next caption in use; the last field in use keeps the width it has.
class ColumnLayout {
public:
    static constexpr double gap = 120;
    static constexpr double minimumWidth = 1200;
    // How near the right edge of a field the pointer turns into the resize pointer.
    static constexpr double grip = 180;

    explicit ColumnLayout(const std::array<double, 7>& edges);

    const std::array<double, 7>& edges() const { return edges_; }
    double left(int field) const { return edges_[std::size_t(field)]; }
    // The entry field's width when fields 0 to lastField are in use.
    double width(int field, int lastField) const;
    // Whether a pointer at x (twips of the entry row) is on the resize grip of a field (1 to 6).
    bool onGrip(int field, double x, int lastField) const;
    // Widens or narrows a field (1 to 6) by delta, moving the fields to its right with it; a width
    // below 1200 twips is not applied. True when applied.
    bool resize(int field, double delta, int lastField);

private:
    std::array<double, 7> edges_;
    double lastWidth_ = 2400;
};

} // namespace brevmark
