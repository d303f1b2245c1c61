#pragma once

#include <QImage>
#include <QWidget>

namespace brevmark {

// A picture control of a self-drawn window: it shows whatever picture its owner gives it and
// reports the mouse in twips of the picture; the owner swaps the pictures. Controls of one array
// share a name and keep their number in the dynamic property "index".
class PictureControl : public QWidget {
    Q_OBJECT
public:
    PictureControl(const QString& objectName, QWidget* parent, int index = -1);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

signals:
    void pressed(QPointF twips, Qt::MouseButton button);
    // `inside` is false when the button was released with the pointer elsewhere.
    void released(QPointF twips, Qt::MouseButton button, bool inside);
    void moved(QPointF twips, Qt::MouseButtons buttons);
    void left();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QImage picture_;
};

} // namespace brevmark
