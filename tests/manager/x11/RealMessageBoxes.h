#pragma once

#include "platform/qt/QtMessageBoxes.h"

#include <QObject>
#include <QQueue>
#include <QStringList>
#include <QTimer>

namespace brevmark::test {

// The program's own message boxes (QtMessageBoxes, a real QMessageBox each), answered as a user
// answers them: whenever one is up and shown on the screen, its title and text are noted and its
// button is clicked with the mouse: 確定, or for a question the next caption of `answers` (是
// when none is left).
class RealMessageBoxes : public QObject {
public:
    struct Shown {
        QString title;
        QString text;
    };

    RealMessageBoxes();
    MessageBoxes& boxes() { return boxes_; }

    QList<Shown> shown;
    QQueue<QString> answers;
    QStringList titles() const;

private:
    void answerOpenBox();

    QtMessageBoxes boxes_;
    QTimer poll_;
};

} // namespace brevmark::test
