#include "shell/PasswordLock.h"

#include "page/ui/PageEditor.h"
#include "platform/qt/CaptionButtons.h"
#include "platform/Timer.h"
#include "shell/LockScreen.h"
#include "shell/MainWindow.h"
#include "shell/PrintBridge.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace brevmark {

namespace {
const QSizeF professionalSize(12090, 7470);
const QSizeF professionalMinimum(12000, 7200);
} // namespace

PasswordLock::PasswordLock(MainWindow& window)
    : QObject(&window), window_(window), screen_(new LockScreen(&window)) {
    Timer* wait = window.timers().loginWait;
    connect(screen_, &LockScreen::passwordEdited, this, &PasswordLock::passwordEdited);
    connect(screen_, &LockScreen::exitRequested, this, [this] { window_.endAtOnce(); });
    connect(screen_, &LockScreen::maintenancePressed, wait, &Timer::start);
    connect(screen_, &LockScreen::maintenanceInterrupted, wait, &Timer::stop);
    connect(wait, &Timer::ticked, this, [this, wait] {
        wait->stop();
        unlock();
    });
}

void PasswordLock::lock() {
    if (locked_)
        return;
    // The normal size, also of a maximised window: that is the size the unlock restores.
    remembered_ = window_.geometryTwips().size();
    // A professional window that started maximised never had a normal size of its layout: it
    // comes back at the size the layout gives a normal window.
    if (window_.isMaximized() && window_.values().layoutMode == LayoutMode::Professional &&
        (remembered_.width() < professionalMinimum.width() ||
         remembered_.height() < professionalMinimum.height()))
        remembered_ = professionalSize;
    if (window_.isMaximized() || window_.isMinimized())
        window_.setWindowState(window_.windowState() &
                               ~(Qt::WindowMaximized | Qt::WindowMinimized));
    screen_->move(0, 0);
    window_.resizeTwips(LockScreen::sizeTwips().width(), LockScreen::sizeTwips().height());
    if (QWidget* captions = window_.captionGroup())
        captions->hide();
    // The controls behind the lock screen take neither the focus nor a click, and the print key
    // prints nothing, until the unlock.
    for (QWidget* child : window_.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (child != screen_ && child->isEnabled()) {
            child->setEnabled(false);
            disabled_.append(child);
        }
    window_.printing().pausePrintKey();
    // Installed last, so it sees every key before the other filters of the application do.
    qApp->installEventFilter(this);
    locked_ = true;
    screen_->reset();
    screen_->show();
    screen_->raise();
    screen_->passwordField()->setFocus();
}

bool PasswordLock::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    // The print key is counted wherever it goes: it is dropped in every window.
    if (type != QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1)
        return true;
    // Other windows (a box shown meanwhile) keep their keys.
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != &window_)
        return false;
    if (type == QEvent::ShortcutOverride) {
        // Claimed for the widget with the focus: the key reaches it as a plain key, and no
        // shortcut of the main window fires.
        event->accept();
        return true;
    }
    return widget != screen_ && !screen_->isAncestorOf(widget);
}

void PasswordLock::passwordEdited(const QString& text) {
    if (locked_ && text == window_.values().expectedPassword)
        unlock();
}

void PasswordLock::unlock() {
    if (!locked_)
        return;
    locked_ = false;
    qApp->removeEventFilter(this);
    window_.timers().loginWait->stop();
    screen_->hide();
    for (const QPointer<QWidget>& child : disabled_)
        if (child)
            child->setEnabled(true);
    disabled_.clear();
    if (QWidget* captions = window_.captionGroup())
        captions->show();
    window_.printing().resumePrintKey();
    window_.resizeTwips(remembered_.width(), remembered_.height());
    window_.layoutFrame();
    // The simple layout's page is the size of its one item; only the professional page is fitted.
    if (window_.values().layoutMode == LayoutMode::Professional)
        window_.pageEditor().paperAdjust();
}

} // namespace brevmark
