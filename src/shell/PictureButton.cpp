#include "shell/PictureButton.h"

#include "common/Twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace brevmark {

PictureButton::PictureButton(const QString& objectName, QWidget* parent, int index)
    : QWidget(parent) {
    setObjectName(objectName);
    if (index >= 0)
        setProperty("index", index);
    setMouseTracking(true);
    setAttribute(Qt::WA_TranslucentBackground);
}

void PictureButton::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PictureButton::paintEvent(QPaintEvent*) {
    if (picture_.isNull())
        return;
    QPainter p(this);
    p.drawImage(rect(), picture_);
}

void PictureButton::mousePressEvent(QMouseEvent* event) { emit pressed(event->button()); }

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    emit released(event->button(), rect().contains(event->position().toPoint()));
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    emit moved(QPointF(twips::fromPixels(p.x()), twips::fromPixels(p.y())), event->buttons());
}

} // namespace brevmark
