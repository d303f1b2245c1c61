#pragma once

#include <QImage>
#include <QWidget>

namespace brevmark {

// A picture control of the main window's frame. It shows whatever picture its owner gives it and
// reports presses, releases and pointer moves in twips; the owner swaps the pictures.
class PictureButton : public QWidget {
    Q_OBJECT
public:
    // `index` >= 0 is kept in the dynamic property "index" (controls of one array share a name).
    PictureButton(const QString& objectName, QWidget* parent, int index = -1);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

signals:
    void pressed(Qt::MouseButton button);
    // `inside` is false when the button was released with the pointer elsewhere.
    void released(Qt::MouseButton button, bool inside);
    void moved(QPointF twips, Qt::MouseButtons buttons);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage picture_;
};

} // namespace brevmark
