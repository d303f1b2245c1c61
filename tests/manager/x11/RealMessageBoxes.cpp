#include "RealMessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace brevmark::test {

RealMessageBoxes::RealMessageBoxes() {
    // The timer also runs inside a box's own event loop.
    poll_.setInterval(25);
    connect(&poll_, &QTimer::timeout, this, &RealMessageBoxes::answerOpenBox);
    poll_.start();
}

QStringList RealMessageBoxes::titles() const {
    QStringList t;
    for (const Shown& s : shown)
        t << s.title;
    return t;
}

void RealMessageBoxes::answerOpenBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || box->property("answered").toBool() || !box->isVisible() || !box->windowHandle() ||
        !box->windowHandle()->isExposed())
        return;
    box->setProperty("answered", true);
    shown.append({box->windowTitle(), box->text()});
    const QList<QAbstractButton*> buttons = box->buttons();
    const QString wanted = buttons.size() == 1 ? QStringLiteral("確定")
                           : answers.isEmpty() ? QStringLiteral("是")
                                               : answers.dequeue();
    for (QAbstractButton* button : buttons)
        if (button->text() == wanted) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    ADD_FAILURE() << "no button " << wanted.toStdString() << " in " << box->text().toStdString();
    box->reject();
}

} // namespace brevmark::test
