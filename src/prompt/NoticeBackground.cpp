#include "prompt/NoticeBackground.h"

#include <QPainter>

namespace brevmark {

NoticeBackground::NoticeBackground(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("視窗底圖"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void NoticeBackground::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void NoticeBackground::setFramed(bool framed) {
    framed_ = framed;
    update();
}

void NoticeBackground::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (picture_.isNull())
        p.fillRect(rect(), Qt::white);
    else
        p.drawImage(QRectF(rect()), picture_);
    if (!framed_)
        return;
    // (0,0)-(w-15,h-15) and (15,15)-(w-30,h-30) in twips: the outermost two pixel rings.
    p.setBrush(Qt::NoBrush);
    p.setPen(QColor(0, 48, 166));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(QColor(128, 128, 255));
    p.drawRect(rect().adjusted(1, 1, -2, -2));
}

} // namespace brevmark
