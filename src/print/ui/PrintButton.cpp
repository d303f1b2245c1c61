#include "print/ui/PrintButton.h"

#include "print/PrintTexts.h"

#include <QMouseEvent>
#include <QPainter>

namespace brevmark {

PrintButton::PrintButton(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("確定列印"));
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    resize(PrintButtonPictures::defaultSize());
}

void PrintButton::setFace(PrintButtonPictures::Face face) {
    if (face_ == face)
        return;
    face_ = face;
    update();
}

void PrintButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(rect(), PrintButtonPictures::face(face_, size(), devicePixelRatioF()));
}

void PrintButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        setFace(PrintButtonPictures::Face::Pressed);
}

void PrintButton::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton))
        setFace(PrintButtonPictures::Face::Highlighted);
    if (setHint_)
        setHint_(print_texts::simpleButtonHint());
}

void PrintButton::mouseReleaseEvent(QMouseEvent* event) {
    setFace(PrintButtonPictures::Face::Raised);
    if (!rect().contains(event->position().toPoint()))
        return;
    if (event->button() == Qt::LeftButton)
        emit printRequested();
    else if (event->button() == Qt::RightButton)
        emit previewRequested();
}

void PrintButton::leaveEvent(QEvent*) {
    setFace(PrintButtonPictures::Face::Raised);
}

} // namespace brevmark
