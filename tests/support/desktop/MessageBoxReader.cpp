#include "MessageBoxReader.h"

#include "ScreenShot.h"
#include "UserInput.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QWindow>

namespace brevmark::test {

MessageBoxReader::MessageBoxReader(QObject* parent) : QObject(parent) {
    timer_.setInterval(40);
    connect(&timer_, &QTimer::timeout, this, &MessageBoxReader::look);
    timer_.start();
}

QStringList MessageBoxReader::titles() const {
    QStringList titles;
    for (const Box& box : boxes_)
        titles << box.title;
    return titles;
}

void MessageBoxReader::look() {
    if (busy_)
        return;
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || !box->windowHandle() || !box->windowHandle()->isExposed()) {
        placing_ = nullptr;
        return;
    }
    // A user reads a box once it stands still where the window manager put it.
    const QPoint at = box->mapToGlobal(QPoint(0, 0));
    if (box != placing_ || at != placedAt_) {
        placing_ = box;
        placedAt_ = at;
        steadyLooks_ = 0;
    }
    if (++steadyLooks_ < 4)
        return;
    // A box still up long after its button was pressed missed the click (the window manager
    // moved it under the pointer's way): pressed again.
    if (box == answered_ && steadyLooks_ < 25)
        return;
    busy_ = true;
    steadyLooks_ = 0;
    if (box != answered_) {
        answered_ = box;
        Box seen{box->windowTitle(), box->text(), box->icon(), {}};
        for (QAbstractButton* button : box->buttons())
            seen.buttons << button->text();
        boxes_.append(seen);
        if (!qEnvironmentVariableIsEmpty("BREVMARK_KEEP_SCREENSHOTS"))
            screenShot(QStringLiteral("box%1").arg(boxes_.size()));
        keys_.clear();
        if (!answers_.isEmpty() && !answers_.head().keys.isEmpty())
            keys_ = answers_.dequeue().keys;
        else
            chosen_ = chooseButton(box);
    }
    if (!keys_.isEmpty()) {
        if (!box->isActiveWindow())
            user_input::activate(box);
        user_input::key(keys_);
    } else if (QAbstractButton* press = chosen_)
        user_input::click(press, press->rect().center());
    busy_ = false;
}

QAbstractButton* MessageBoxReader::chooseButton(QMessageBox* box) {
    QAbstractButton* press = box->defaultButton();
    if (!answers_.isEmpty()) {
        for (QAbstractButton* button : box->buttons())
            if (button->text() == answers_.head().caption)
                press = button;
        if (press && press->text() == answers_.head().caption)
            answers_.dequeue();
    }
    // Without an answer of its own, the box's yes or OK: going on, as a user in a hurry does.
    for (QAbstractButton* button : box->buttons()) {
        const QMessageBox::ButtonRole role = box->buttonRole(button);
        if (!press && (role == QMessageBox::AcceptRole || role == QMessageBox::YesRole))
            press = button;
    }
    if (!press && !box->buttons().isEmpty())
        press = box->buttons().first();
    return press;
}

} // namespace brevmark::test
