#include "platform/qt/PictureControl.h"

#include "common/ScreenPixels.h"

#include "common/Twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace brevmark {

namespace {} // namespace

PictureControl::PictureControl(const QString& objectName, QWidget* parent, int index)
    : QWidget(parent) {
    setObjectName(objectName);
    if (index >= 0)
        setProperty("index", index);
    setMouseTracking(true);
}

void PictureControl::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PictureControl::paintEvent(QPaintEvent*) {
    if (picture_.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), picture_);
}

void PictureControl::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit pressed(screen::twipsOf(event->position()), event->button());
}

void PictureControl::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    emit released(screen::twipsOf(event->position()), event->button(),
                  rect().contains(event->position().toPoint()));
}

void PictureControl::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit moved(screen::twipsOf(event->position()), event->buttons());
}

void PictureControl::leaveEvent(QEvent*) {
    emit left();
}

} // namespace brevmark
