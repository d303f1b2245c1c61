#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSizeF>

class QWidget;

namespace brevmark {

class LockScreen;
class MainWindow;

// The start-up password lock: the main window shrinks to the lock screen until the expected
// password is typed (or the maintenance unlock fires), then comes back at the size it had.
// The lock is entered at most once a run, by the deferred start-up step.
class PasswordLock : public QObject {
    Q_OBJECT
public:
    explicit PasswordLock(MainWindow& window);

    // Lock: the window becomes a normal window as large as the lock screen, without its caption
    // buttons; nothing behind the lock screen takes input (nor the print key) until the unlock.
    void lock();
    // Unlock: the remembered size, the frame laid out again and, in the professional layout, the
    // page fitted.
    void unlock();
    bool isLocked() const { return locked_; }
    LockScreen* screen() const { return screen_; }

protected:
    // While locked, keys reach the lock screen's own controls only: no shortcut of the window
    // fires and the print key is not counted.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void passwordEdited(const QString& text);

    MainWindow& window_;
    LockScreen* screen_;
    bool locked_ = false;
    QSizeF remembered_;
    QList<QPointer<QWidget>> disabled_;
};

} // namespace brevmark
