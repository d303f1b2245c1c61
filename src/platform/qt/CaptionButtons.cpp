#include "platform/qt/CaptionButtons.h"

#include "platform/qt/FramePictures.h"
#include "platform/qt/PictureControl.h"

#include <QLabel>

namespace brevmark {

CaptionButtons::CaptionButtons(QSize buttonPixels, std::array<QString, 3> hints, QWidget* parent)
    : QWidget(parent), buttonPixels_(buttonPixels), shortFace_(new QLabel(this)),
      longFace_(new QLabel(this)) {
    setObjectName(QStringLiteral("關離功能"));
    setMouseTracking(true);
    shortFace_->setObjectName(QStringLiteral("縮關圖"));
    longFace_->setObjectName(QStringLiteral("縮放關圖"));
    for (QLabel* face : {shortFace_, longFace_}) {
        const bool three = face == longFace_;
        const QSize size(buttonPixels.width() * (three ? 3 : 2), buttonPixels.height());
        face->setAttribute(Qt::WA_TransparentForMouseEvents);
        face->setPixmap(QPixmap::fromImage(FramePictures::captionFace(three, size)));
        face->setGeometry(QRect(QPoint(0, 0), size));
    }
    buttons_[0] = new PictureControl(QStringLiteral("視窗按鈕"), this, 0);
    buttons_[1] = new PictureControl(QStringLiteral("視窗按鈕"), this, 1);
    buttons_[2] = new PictureControl(QStringLiteral("關閉功能"), this);
    for (int i = 0; i < 3; ++i) {
        PictureControl* b = buttons_[std::size_t(i)];
        b->resize(buttonPixels);
        const auto kind = FramePictures::CaptionButton(i);
        hoverPictures_[std::size_t(i)] =
            FramePictures::captionButton(kind, FramePictures::Face::Hover, buttonPixels);
        const QImage pressedPicture =
            FramePictures::captionButton(kind, FramePictures::Face::Pressed, buttonPixels);
        const QString hint = hints[std::size_t(i)];
        connect(b, &PictureControl::moved, this, [this, i, hint](QPointF, Qt::MouseButtons) {
            emit hintRequested(hint);
            showHover(i);
        });
        connect(b, &PictureControl::pressed, this,
                [this, b, i, pressedPicture](QPointF, Qt::MouseButton) {
                    hovered_ = i;
                    b->setPicture(pressedPicture);
                });
        connect(b, &PictureControl::released, this,
                [this, b, i](QPointF, Qt::MouseButton button, bool inside) {
                    b->setPicture(QImage());
                    hovered_ = -1;
                    if (button == Qt::LeftButton && inside)
                        announceClick(Button(i));
                });
    }
}

void CaptionButtons::announceClick(Button which) {
    switch (which) {
    case Button::Minimise:
        emit minimiseClicked();
        break;
    case Button::Maximise:
        emit maximiseClicked();
        break;
    case Button::Close:
        emit closeClicked();
        break;
    }
}

void CaptionButtons::arrange(bool maximiseShown, int closeLeft) {
    shortFace_->setVisible(!maximiseShown);
    longFace_->setVisible(maximiseShown);
    buttons_[0]->move(0, 0);
    buttons_[1]->move(buttonPixels_.width(), 0);
    buttons_[1]->setVisible(maximiseShown);
    buttons_[2]->move(closeLeft, 0);
    raise();
}

void CaptionButtons::showHover(int which) {
    if (hovered_ == which)
        return;
    clearHover();
    hovered_ = which;
    buttons_[std::size_t(which)]->setPicture(hoverPictures_[std::size_t(which)]);
}

void CaptionButtons::clearHover() {
    // Called on every pointer move over the window: only a change repaints.
    if (hovered_ < 0)
        return;
    buttons_[std::size_t(hovered_)]->setPicture(QImage());
    hovered_ = -1;
}

} // namespace brevmark
