#pragma once

#include "platform/ImageSurface.h"

#include <QWidget>

namespace brevmark {

// The page `列印範圍`: the white sheet inside the page viewport, with the barcode items as child
// widgets. Its own retained surface holds the paper background and the overlay lines drawn on the
// page (alignment guides). Pointer events are passed on in page twips.
class PageWidget : public QWidget {
    Q_OBJECT
public:
    explicit PageWidget(QWidget* viewport);

    // Overlay lines are drawn here; paper adjust clears them.
    DrawingSurface& overlay() { return surface_; }
    // Resizes to the page size (twips) and paints the paper background `紙張` over all of it.
    void paintPaper(QSizeF sizeTwips);
    void setBorder(bool border);
    bool hasBorder() const { return border_; }

signals:
    void pressed(Qt::MouseButton button, QPointF twips);
    void moved(Qt::MouseButtons buttons, QPointF twips);
    void released(Qt::MouseButton button, QPointF twips);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ImageSurface surface_;
    bool border_ = false;
};

} // namespace brevmark
