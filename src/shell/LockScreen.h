#pragma once

#include <QImage>
#include <QSizeF>
#include <QWidget>

class QLineEdit;
class QPushButton;

namespace brevmark {

class PictureControl;

// The lock screen `登入密碼窗`: the panel that covers the whole main window while the start-up
// password is asked for. It holds the password field `輸入密碼` (masked with "*" at first), the
// buttons `顯示` (show or hide the password) and `ComEND` (close the program), the padlock `解鎖`
// (the target of the maintenance unlock) and the hidden background picture `密碼窗大小`, whose
// size is the lock screen's size. A press and a left-button move on the screen drag the window.
class LockScreen : public QWidget {
    Q_OBJECT
public:
    explicit LockScreen(QWidget* window);

    // The background picture's size, twips.
    static QSizeF sizeTwips();

    QLineEdit* passwordField() const { return field_; }
    // Masks the field afresh and gives it the focus, as the lock screen is shown.
    void reset();

signals:
    void passwordEdited(const QString& text);
    void exitRequested();
    // The middle button went down on the padlock.
    void maintenancePressed();
    // A release on the padlock, a press on the field or a pointer move over the screen.
    void maintenanceInterrupted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void toggleMask();

    QImage background_;
    QLineEdit* field_;
    QPushButton* show_;
    QPushButton* exit_;
    PictureControl* padlock_;
    bool dragging_ = false;
    QPoint dragStart_;
    QPoint windowStart_;
};

} // namespace brevmark
