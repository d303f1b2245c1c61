#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <QRect>
#include <QPixmap>
#include <QSize>

class QScrollArea;
class QWidget;

namespace brevmark {

// Makes a hand-laid window of fixed size usable on a screen smaller than the window: its controls
// (and what it paints itself, as it looks when it opens) move onto a canvas of the window's own
// size inside a scroll area that fills the window, so every part can be scrolled to; the controls
// marked with keepInCorner() (a close button) stay in the window, at the same distance from its
// nearest corner, in view whatever is scrolled. The controls keep their places on the canvas, so
// the window goes on placing them as it was laid out; mouse presses on the background still reach
// the window (to drag it). The scroll area is `視窗捲軸`, the canvas `視窗畫布`.
class WindowScroller : public QObject {
    Q_OBJECT
public:
    // Wraps the window (once; a second call returns the first scroller).
    static WindowScroller& wrap(QWidget& window);
    // The window's scroller, or null when it was never wrapped.
    static WindowScroller* of(const QWidget& window);
    // Marks a control of a window as one that stays in view when its window is wrapped.
    static void keepInCorner(QWidget& control);

    QScrollArea* area() const { return area_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit WindowScroller(QWidget& window);
    void placeCornerControls();

    QWidget& window_;
    QSize designed_;
    QScrollArea* area_;
    // The controls that stay in view, with their places as designed.
    QList<QPair<QWidget*, QRect>> cornerControls_;
};

} // namespace brevmark
