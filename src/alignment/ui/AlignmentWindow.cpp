#include "alignment/ui/AlignmentWindow.h"

#include "alignment/AlignmentGuides.h"
#include "alignment/SheetFormat.h"
#include "alignment/ui/AlignmentPictures.h"
#include "alignment/ui/SheetFinder.h"
#include "common/ScreenPixels.h"
#include "platform/qt/PictureControl.h"
#include "platform/qt/WindowScroller.h"

#include <QKeyEvent>

namespace brevmark {

namespace {
// The six formats' cards take the left 8880 twips, the finder the rest.
constexpr double backgroundWidth = 15960;
constexpr double backgroundHeight = 8700;
const QRectF finderRect(8640, 120, 7080, 7905);
const QRectF closeArea(backgroundWidth - 480, 8205, 360, 360);
} // namespace

QSizeF AlignmentWindow::sizeTwips() {
    return {backgroundWidth, backgroundHeight};
}

QRectF AlignmentWindow::finderArea() {
    return finderRect;
}

AlignmentWindow::AlignmentWindow(AlignmentGuides& guides, const TemplateDatabase& sheets,
                                 const QString& lastSheet, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("對齊視窗"));
    setWindowTitle(QStringLiteral("標籤對齊"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);

    background_ = new PictureControl(QStringLiteral("底圖"), this);
    background_->setGeometry(screen::rect(QRectF(QPointF(0, 0), sizeTwips())));
    background_->setPicture(
        AlignmentPictures::background(background_->size(), screen::rect(finderRect)));
    setFixedSize(background_->size());
    connect(background_, &PictureControl::pressed, this,
            [this](QPointF at, Qt::MouseButton button) {
                if (button != Qt::LeftButton)
                    return;
                dragging_ = true;
                pressPoint_ = at;
            });
    connect(background_, &PictureControl::moved, this,
            [this](QPointF at, Qt::MouseButtons buttons) {
                for (PictureControl* h : std::as_const(highlights_))
                    h->hide();
                if (const SheetFormat* f = SheetFormats::atWindowPoint(at))
                    highlights_.value(f->number)->show();
                backgroundMoved(at, buttons);
            });
    connect(background_, &PictureControl::released, this,
            [this](QPointF, Qt::MouseButton, bool) { dragging_ = false; });

    for (const SheetFormat& f : SheetFormats::all()) {
        auto* h = new PictureControl(QStringLiteral("格數"), this, f.number);
        h->setGeometry(screen::rect(f.windowArea));
        h->setPicture(AlignmentPictures::highlight(f, h->size()));
        h->setCursor(Qt::PointingHandCursor);
        h->hide();
        const int number = f.number;
        connect(h, &PictureControl::released, this,
                [this, number](QPointF, Qt::MouseButton button, bool inside) {
                    if (button == Qt::LeftButton && inside)
                        emit formatChosen(number);
                });
        highlights_.insert(number, h);

        auto* guide = new PictureControl(QStringLiteral("對齊圖"), this, f.number);
        guide->setPicture(guides.picture(f));
        guide->resize(f.picturePixels);
        guide->hide();
    }

    finder_ = new SheetFinder(sheets, lastSheet, this);
    finder_->setGeometry(screen::rect(finderRect).adjusted(4, 4, -4, -4));
    connect(finder_, &SheetFinder::chosen, this, &AlignmentWindow::sheetChosen);
    connect(finder_, &SheetFinder::fillRequested, this, &AlignmentWindow::sheetFillRequested);

    close_ = new PictureControl(QStringLiteral("關閉窗"), this);
    close_->setGeometry(screen::rect(closeArea));
    WindowScroller::keepInCorner(*close_);
    close_->setPicture(AlignmentPictures::closeButton(false, close_->size()));
    close_->setCursor(Qt::PointingHandCursor);
    close_->setToolTip(QStringLiteral("離開，不套用格式線"));
    connect(close_, &PictureControl::moved, this, [this](QPointF, Qt::MouseButtons) {
        close_->setPicture(AlignmentPictures::closeButton(true, close_->size()));
    });
    connect(close_, &PictureControl::left, this,
            [this] { close_->setPicture(AlignmentPictures::closeButton(false, close_->size())); });
    connect(close_, &PictureControl::released, this,
            [this](QPointF, Qt::MouseButton button, bool inside) {
                if (button == Qt::LeftButton && inside)
                    close();
            });
}

void AlignmentWindow::backgroundMoved(QPointF at, Qt::MouseButtons buttons) {
    // The window moves under the pointer, so the pointer comes back to the pressed point.
    if (dragging_ && (buttons & Qt::LeftButton))
        move(pos() + screen::point(at - pressPoint_));
}

void AlignmentWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace brevmark
