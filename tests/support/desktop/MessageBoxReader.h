#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QQueue>
#include <QStringList>
#include <QTimer>

namespace brevmark::test {

// A user in front of the program's real message boxes: each box that comes up (a real
// QMessageBox, modal, placed and framed by the window manager) is read, then answered by
// clicking one of its buttons with the real pointer, or with keys typed on the keyboard. The boxes are watched from a timer, so they
// are answered inside the event loop they run, wherever the program opened them.
class MessageBoxReader : public QObject {
    Q_OBJECT
public:
    struct Box {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QStringList buttons;
    };

    explicit MessageBoxReader(QObject* parent = nullptr);

    const QList<Box>& boxes() const { return boxes_; }
    QStringList titles() const;
    // The next box that offers a button with this caption gets it pressed ("否"); a box without
    // a queued answer gets its default (or first) button.
    void answerNext(const QString& buttonCaption) { answers_.enqueue({buttonCaption, {}}); }
    // The next box gets these keys pressed on the keyboard instead, as xdotool names them
    // ("Escape", "Return", "alt+n"), once it has the keyboard's focus.
    void answerNextWithKeys(const QString& keys) { answers_.enqueue({{}, keys}); }
    void clear() { boxes_.clear(); }

private:
    void look();
    // The button that answers the box: the queued answer's, else its yes or OK.
    QAbstractButton* chooseButton(QMessageBox* box);

    QTimer timer_;
    QList<Box> boxes_;
    struct Answer {
        QString caption;
        QString keys;
    };
    QQueue<Answer> answers_;
    QString keys_;
    QPointer<QMessageBox> answered_;
    QPointer<QMessageBox> placing_;
    QPoint placedAt_;
    QPointer<QAbstractButton> chosen_;
    int steadyLooks_ = 0;
    bool busy_ = false;
};

} // namespace brevmark::test
