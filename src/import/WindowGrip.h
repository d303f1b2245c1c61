#pragma once

#include <QPointF>
#include <QSizeF>

namespace brevmark {

// Resizing a self-drawn window by its bottom-right corner, as the main window does: the pointer
// becomes the sizing pointer within 200 twips of the corner; while dragged, a side follows the
// pointer once it is more than 60 twips past the press point (and shrinks only while above the
// minimum), and a size below the minimum snaps back to it. Twips of the window.
struct WindowGrip {
    static constexpr double threshold = 60;
    static constexpr double corner = 200;

    static bool onGrip(QPointF pointer, QSizeF window);
    // Moves the sides that follow the pointer; the press point follows them. True when the size
    // changed.
    static bool drag(QPointF pointer, QPointF& press, QSizeF& size, QSizeF minimum);
};

} // namespace brevmark
