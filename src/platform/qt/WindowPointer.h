#pragma once

class QWidget;

namespace brevmark {

// The pointer shapes of the self-drawn framed windows: none of their own, the arrow over the
// frame, and the diagonal resize arrow over the grip.
enum class WindowPointer { Default, Arrow, SizeNwSe };

void showPointer(QWidget& window, WindowPointer pointer);

} // namespace brevmark
