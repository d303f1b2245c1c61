#include "shell/LockScreen.h"

#include "common/ScreenPixels.h"
#include "platform/qt/PictureControl.h"
#include "shell/LockScreenPictures.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace brevmark {

namespace {

constexpr double screenWidth = 5700;
constexpr double screenHeight = 3600;
constexpr double bandHeight = 900;

const QRectF padlockArea(420, 1230, 780, 900);
const QRectF captionArea(1440, 1140, 3900, 330);
const QRectF fieldArea(1440, 1500, 3900, 450);
const QRectF showArea(1440, 2130, 1860, 450);
const QRectF exitArea(3480, 2130, 1860, 450);
const QRectF noteArea(240, 3000, 5220, 420);

const QColor outerBox(0, 48, 166);
const QColor innerBox(128, 128, 255);

const QString showCaption = QStringLiteral("顯示密碼");
const QString hideCaption = QStringLiteral("隱藏密碼");

const QString fieldStyle =
    QStringLiteral("QLineEdit { lineedit-password-character: 42; font-size: 16px; padding: 0 8px;"
                   " border: 1px solid rgb(150, 170, 210); border-radius: 5px; background: white;"
                   " selection-background-color: rgb(47, 111, 237); }"
                   "QLineEdit:focus { border: 2px solid rgb(47, 111, 237); }");
const QString buttonStyle = QStringLiteral(
    "QPushButton { font-size: 13px; border-radius: 5px; border: 1px solid rgb(38, 96, 214);"
    " color: white; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
    " stop:0 rgb(61, 126, 245), stop:1 rgb(38, 96, 214)); }"
    "QPushButton:hover { background: rgb(72, 138, 250); }"
    "QPushButton:pressed { background: rgb(30, 80, 190); }");
const QString exitStyle = QStringLiteral(
    "QPushButton { font-size: 13px; border-radius: 5px; border: 1px solid rgb(168, 182, 206);"
    " color: rgb(44, 52, 66); background: rgb(250, 251, 253); }"
    "QPushButton:hover { background: rgb(255, 236, 236); border-color: rgb(214, 90, 90);"
    " color: rgb(170, 40, 40); }"
    "QPushButton:pressed { background: rgb(246, 210, 210); }");

QLabel* text(QWidget* parent, const QString& caption, const QRectF& area, const QString& style) {
    auto* label = new QLabel(caption, parent);
    label->setGeometry(screen::rect(area));
    label->setStyleSheet(style);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

} // namespace

QSizeF LockScreen::sizeTwips() {
    return {screenWidth, screenHeight};
}

LockScreen::LockScreen(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("登入密碼窗"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    const QSize size = screen::rect(QRectF(QPointF(0, 0), sizeTwips())).size();
    resize(size);

    background_ = LockScreenPictures::background(size, screen::pixels(bandHeight));
    auto* picture = new PictureControl(QStringLiteral("密碼窗大小"), this);
    picture->resize(size);
    picture->setPicture(background_);
    picture->hide();

    padlock_ = new PictureControl(QStringLiteral("解鎖"), this);
    padlock_->setGeometry(screen::rect(padlockArea));
    padlock_->setPicture(LockScreenPictures::padlock(padlock_->size()));
    connect(padlock_, &PictureControl::pressed, this, [this](QPointF, Qt::MouseButton button) {
        if (button == Qt::MiddleButton)
            emit maintenancePressed();
    });
    connect(padlock_, &PictureControl::released, this,
            [this](QPointF, Qt::MouseButton, bool) { emit maintenanceInterrupted(); });
    connect(padlock_, &PictureControl::moved, this,
            [this](QPointF, Qt::MouseButtons) { emit maintenanceInterrupted(); });

    text(this, QStringLiteral("請輸入開機密碼"), captionArea,
         QStringLiteral("color: rgb(0, 48, 166); font-size: 14px; font-weight: bold;"));
    text(this, QStringLiteral("本程式已設定開機密碼，輸入正確的密碼後自動解鎖。"), noteArea,
         QStringLiteral("color: rgb(96, 110, 140); font-size: 11px;"))
        ->setAlignment(Qt::AlignCenter);

    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("輸入密碼"));
    field_->setGeometry(screen::rect(fieldArea));
    field_->setStyleSheet(fieldStyle);
    field_->setEchoMode(QLineEdit::Password);
    field_->installEventFilter(this);
    connect(field_, &QLineEdit::textChanged, this, &LockScreen::passwordEdited);

    show_ = new QPushButton(showCaption, this);
    show_->setObjectName(QStringLiteral("顯示"));
    show_->setGeometry(screen::rect(showArea));
    show_->setStyleSheet(buttonStyle);
    show_->setFocusPolicy(Qt::NoFocus);
    connect(show_, &QPushButton::clicked, this, &LockScreen::toggleMask);

    exit_ = new QPushButton(QStringLiteral("關閉程式"), this);
    exit_->setObjectName(QStringLiteral("ComEND"));
    exit_->setGeometry(screen::rect(exitArea));
    exit_->setStyleSheet(exitStyle);
    exit_->setFocusPolicy(Qt::NoFocus);
    connect(exit_, &QPushButton::clicked, this, &LockScreen::exitRequested);

    hide();
}

void LockScreen::reset() {
    field_->setEchoMode(QLineEdit::Password);
    show_->setText(showCaption);
    field_->setFocus();
}

void LockScreen::toggleMask() {
    const bool masked = field_->echoMode() == QLineEdit::Password;
    field_->setEchoMode(masked ? QLineEdit::Normal : QLineEdit::Password);
    show_->setText(masked ? hideCaption : showCaption);
    field_->setFocus();
}

void LockScreen::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, background_);
    // Twips (0, 0)–(width − 15, height − 15) and (15, 15)–(width − 30, height − 30).
    p.setPen(outerBox);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, width() - 1, height() - 1);
    p.setPen(innerBox);
    p.drawRect(1, 1, width() - 3, height() - 3);
}

void LockScreen::mousePressEvent(QMouseEvent* event) {
    dragging_ = true;
    dragStart_ = event->globalPosition().toPoint();
    windowStart_ = window()->pos();
}

void LockScreen::mouseMoveEvent(QMouseEvent* event) {
    emit maintenanceInterrupted();
    if (dragging_ && (event->buttons() & Qt::LeftButton) && !window()->isMaximized())
        window()->move(windowStart_ + (event->globalPosition().toPoint() - dragStart_));
}

void LockScreen::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = false;
}

bool LockScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && event->type() == QEvent::MouseButtonPress)
        emit maintenanceInterrupted();
    return QWidget::eventFilter(watched, event);
}

} // namespace brevmark
