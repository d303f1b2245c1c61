#include "MessageBoxReader.h"

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
    if (!box || box == answered_ || !box->isVisible() || !box->windowHandle() ||
        !box->windowHandle()->isExposed()) {
        placing_ = nullptr;
        return;
    }
    // A user reads a box once it stands still where the window manager put it.
    if (box != placing_) {
        placing_ = box;
        steadyLooks_ = 0;
    }
    if (++steadyLooks_ < 3)
        return;
    busy_ = true;
    answered_ = box;
    Box seen{box->windowTitle(), box->text(), box->icon(), {}};
    for (QAbstractButton* button : box->buttons())
        seen.buttons << button->text();
    boxes_.append(seen);
    QAbstractButton* press = box->defaultButton();
    if (!answers_.isEmpty()) {
        for (QAbstractButton* button : box->buttons())
            if (button->text() == answers_.head())
                press = button;
        if (press && press->text() == answers_.head())
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
    if (press)
        user_input::click(press, press->rect().center());
    busy_ = false;
}

} // namespace brevmark::test
