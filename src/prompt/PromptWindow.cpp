#include "prompt/PromptWindow.h"

#include "common/ScreenPixels.h"

#include "common/LeadingNumber.h"
#include "common/Rounding.h"
#include "common/Twips.h"
#include "platform/SystemServices.h"
#include "platform/Timer.h"
#include "prompt/NoticeBackground.h"
#include "prompt/NoticePicture.h"

namespace brevmark {

namespace {} // namespace

PromptWindow::PromptWindow(SystemServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool |
                          Qt::WindowDoesNotAcceptFocus),
      services_(services), background_(new NoticeBackground(this)),
      start_(new Timer(QStringLiteral("展開提示"), 50, this)),
      grow_(new Timer(QStringLiteral("視窗展開"), 10, this)),
      wait_(new Timer(QStringLiteral("等待"), 1000, this)),
      shrink_(new Timer(QStringLiteral("視窗縮關"), 20, this)) {
    setObjectName(QStringLiteral("提示視窗"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    connect(start_, &Timer::ticked, this, &PromptWindow::onStart);
    connect(grow_, &Timer::ticked, this, &PromptWindow::onGrow);
    connect(wait_, &Timer::ticked, this, &PromptWindow::onWait);
    connect(shrink_, &Timer::ticked, this, &PromptWindow::onShrink);
    place();
}

void PromptWindow::requestNotice(int notice) {
    tag_ = QString::number(notice);
    start_->start();
}

void PromptWindow::requestPendingNotice(int notice) {
    tag_ = QString::number(notice);
}

void PromptWindow::startPendingNotice() {
    if (leadingNumber(tag_) > 0)
        start_->start();
}

bool PromptWindow::isFramed() const {
    return background_->framed();
}

void PromptWindow::place() {
    const QPointF topLeft = animation_.centredOn(services_.screenSizeTwips());
    const QSizeF size = animation_.size();
    setGeometry(screen::pixels(topLeft.x()), screen::pixels(topLeft.y()),
                qMax(1, screen::pixels(size.width())), qMax(1, screen::pixels(size.height())));
    background_->setGeometry(rect());
}

void PromptWindow::onStart() {
    const int notice = int(leadingNumber(tag_));
    if (notice > 0) {
        // A request during a notice starts it over with the new picture; a running wait goes on.
        animation_.restart();
        background_->setFramed(false);
        place();
        show();
        raise();
        grow_->start();
        shrink_->stop();
        shownNotice_ = notice;
        background_->setPicture(NoticePicture::render(notice));
    }
    start_->stop();
}

void PromptWindow::onGrow() {
    const bool full = animation_.grow();
    place();
    if (!full)
        return;
    background_->setFramed(true);
    services_.beep();
    wait_->start();
    grow_->stop();
}

void PromptWindow::onWait() {
    shrink_->start();
    wait_->stop();
}

void PromptWindow::onShrink() {
    background_->setFramed(false);
    const bool done = animation_.shrink();
    if (done) {
        hide();
        shrink_->stop();
        tag_ = QStringLiteral("0");
    }
    place();
}

} // namespace brevmark
