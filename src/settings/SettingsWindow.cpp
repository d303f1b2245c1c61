#include "settings/SettingsWindow.h"

#include "common/ScreenPixels.h"

#include "common/Twips.h"
#include "platform/Timer.h"
#include "platform/qt/PictureControl.h"
#include "platform/qt/WindowScroller.h"
#include "print/CalibrationSheets.h"
#include "print/ResolutionCalibration.h"
#include "records/SettingsKeys.h"
#include "records/SettingsStore.h"
#include "settings/PasswordSection.h"
#include "settings/ResolutionPanel.h"
#include "settings/SettingsChoices.h"
#include "settings/SettingsPictures.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QValidator>

namespace brevmark {

namespace {

// The small font of the web options, so that three of them fit their bands with room between.
QFont optionFont() {
    QFont font;
    font.setPixelSize(11);
    return font;
}

constexpr double rightColumn = 5160;
constexpr double rightWidth = 4440;
const QRectF resolutionArea(240, 900, 4680, 5400);
const QRectF printerArea(rightColumn, 900, rightWidth, 1560);
const QRectF updateArea(rightColumn, 2580, rightWidth, 960);
const QRectF webArea(rightColumn, 3660, rightWidth, 1380);
const QRectF passwordArea(rightColumn, 5160, rightWidth, 1140);
const QRectF animationArea(240, 120, 900, 540);
const QRectF closeArea(9240, 180, 420, 420);
const QRectF okArea(240, 6480, 5400, 360);

const QColor outerFrame(0, 48, 166);
const QColor innerFrame(128, 128, 255);

// The password field's one check on whatever comes in (typed, from an input method, dropped):
// a text holding a refused character is not taken at all.
class PasswordCharacters : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return PasswordSection::accepts(input) ? Acceptable : Invalid;
    }
};

} // namespace

SettingsWindow::SettingsWindow(Context context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), context_(std::move(context)) {
    setObjectName(QStringLiteral("系統設定"));
    setAttribute(Qt::WA_DeleteOnClose);
    choices_ = std::make_unique<SettingsChoices>(context_.store, context_.messages, context_.system,
                                                 context_.printing);
    calibration_ =
        std::make_unique<ResolutionCalibration>(context_.printing, [this](const QString& text) {
            context_.store.set(settings_keys::printResolution, text);
        });
    sheets_ = std::make_unique<CalibrationSheets>(context_.printers);

    QWidget* resolution = makePanel(QString(), QStringLiteral("列印解析度"), resolutionArea);
    resolutionPanel_ = new ResolutionPanel(*calibration_, *sheets_, context_.messages, resolution);
    resolutionPanel_->move(0, 0);
    buildPrinterPanel();
    buildUpdatePanel();
    buildWebPanel();
    buildPasswordPanel();
    buildDecoration();
    open();
}

SettingsWindow::~SettingsWindow() = default;

QWidget* SettingsWindow::makePanel(const QString& name, const QString& title, const QRectF& twips) {
    auto* panel = new PictureControl(name, this);
    panel->setGeometry(screen::rect(twips));
    panel->setPicture(SettingsPictures::panelBackground(panel->size(), title));
    return panel;
}

void SettingsWindow::buildPrinterPanel() {
    QWidget* panel =
        makePanel(QStringLiteral("印表裝置區"), QStringLiteral("印表裝置"), printerArea);
    auto* group = new QButtonGroup(panel);
    const QString captions[2] = {QStringLiteral("噴墨 / 雷射印表機"), QStringLiteral("標籤印表機")};
    for (int k = 0; k < 2; ++k) {
        auto* option = new QRadioButton(captions[k], panel);
        // Reached by Tab; a click leaves no focus frame around the caption.
        option->setFocusPolicy(Qt::TabFocus);
        option->setObjectName(QStringLiteral("印表選擇"));
        option->setProperty("index", k);
        option->setGeometry(screen::rect(QRectF(240, 540 + k * 420, 2100, 360)));
        group->addButton(option, k);
        connect(option, &QRadioButton::clicked, this, [this, k] { choosePrinterKind(k); });
        printerOptions_[std::size_t(k)] = option;
    }
    for (int k = 0; k < 2; ++k) {
        auto* picture = new PictureControl(QStringLiteral("裝置圖亮"), panel, k);
        picture->setGeometry(screen::rect(QRectF(2480 + k * 980, 420, 940, 1020)));
        picture->setPicture(SettingsPictures::device(k, picture->size()));
        picture->setCursor(Qt::PointingHandCursor);
        connect(picture, &PictureControl::released, this,
                [this, k](QPointF, Qt::MouseButton button, bool inside) {
                    if (button == Qt::LeftButton && inside)
                        choosePrinterKind(k);
                });
        devicePictures_[std::size_t(k)] = picture;
    }
}

void SettingsWindow::choosePrinterKind(int kind) {
    printerOptions_[std::size_t(kind)]->setChecked(true);
    devicePictures_[std::size_t(kind)]->raise();
    choices_->choosePrinterKind(kind);
}

void SettingsWindow::buildUpdatePanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("更新功能"));
    panel->setGeometry(screen::rect(updateArea));
    updatePicture_ = new PictureControl(QStringLiteral("更新底圖"), panel);
    updatePicture_->setGeometry(0, 0, panel->width(), panel->height());
    updatePicture_->setPicture(SettingsPictures::updatePicture(updatePicture_->size()));
    auto* group = new QButtonGroup(panel);
    const QString captions[3] = {QStringLiteral("關閉"), QStringLiteral("開啟"),
                                 QStringLiteral("前往下載")};
    const double lefts[3] = {360, 1500, 2640};
    const double rights[3] = {1120, 2265, 3405};
    for (int k = 0; k < 3; ++k) {
        auto* option = new QRadioButton(captions[k], updatePicture_);
        // Reached by Tab; a click leaves no focus frame around the caption.
        option->setFocusPolicy(Qt::TabFocus);
        option->setObjectName(QStringLiteral("更新設定"));
        option->setProperty("index", k);
        // The caption areas of the picture decide a click; the option itself may be wider so that
        // its whole caption shows.
        option->setGeometry(
            screen::rect(QRectF(lefts[k] + 45, 520, rights[k] - lefts[k] + 330, 220)));
        group->addButton(option, k);
        connect(option, &QRadioButton::clicked, this,
                [this, k] { choices_->chooseUpdateOption(k); });
        updateOptions_[std::size_t(k)] = option;
    }
    connect(updatePicture_, &PictureControl::pressed, this, [this](QPointF at, Qt::MouseButton) {
        if (const auto k = SettingsChoices::updateOptionAt(at)) {
            updateOptions_[std::size_t(*k)]->setChecked(true);
            choices_->chooseUpdateOption(*k);
        }
    });
}

void SettingsWindow::buildWebPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("網站開啟窗"));
    panel->setGeometry(screen::rect(webArea));
    webPicture_ = new PictureControl(QStringLiteral("相關底圖"), panel);
    webPicture_->setGeometry(0, 0, panel->width(), panel->height());
    webPicture_->setPicture(SettingsPictures::webPicture(webPicture_->size()));
    auto* group = new QButtonGroup(panel);
    const QString captions[3] = {QStringLiteral("官方網站"), QStringLiteral("使用說明"),
                                 QStringLiteral("最新消息")};
    for (int k = 0; k < 3; ++k) {
        auto* option = new QRadioButton(captions[k], webPicture_);
        // Reached by Tab; a click leaves no focus frame around the caption.
        option->setFocusPolicy(Qt::TabFocus);
        option->setObjectName(QStringLiteral("網頁選擇"));
        option->setProperty("index", k);
        // One option a band of the picture (480, 720, 960 twips down), with air between them.
        option->setGeometry(screen::rect(QRectF(405, 480 + k * 240, 1700, 200)));
        option->setFont(optionFont());
        group->addButton(option, k);
        connect(option, &QRadioButton::toggled, this, [this, k](bool on) {
            if (on)
                choices_->chooseWebOption(k);
        });
        webOptions_[std::size_t(k)] = option;
    }
    connect(webPicture_, &PictureControl::released, this,
            [this](QPointF at, Qt::MouseButton, bool) {
                if (const auto k = SettingsChoices::webOptionAt(at))
                    webOptions_[std::size_t(*k)]->setChecked(true);
            });
    openWeb_ = new QPushButton(QStringLiteral("開啟網頁"), webPicture_);
    openWeb_->setObjectName(QStringLiteral("開啟網頁"));
    openWeb_->setGeometry(screen::rect(QRectF(2280, 660, 1500, 420)));
    connect(openWeb_, &QPushButton::clicked, this, [this] { choices_->openWebPage(); });
}

void SettingsWindow::buildPasswordPanel() {
    QWidget* panel =
        makePanel(QStringLiteral("密碼功能"), QStringLiteral("開機密碼"), passwordArea);
    password_ = new QLineEdit(panel);
    password_->setObjectName(QStringLiteral("密碼"));
    password_->setGeometry(screen::rect(QRectF(360, 540, 2400, 360)));
    // Masked with "*". A password is typed, as it will be at the lock screen: pasting (the paste
    // keys, a middle-click paste of the selection) and dropping are refused, so the context menu
    // has nothing to offer.
    password_->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    password_->setContextMenuPolicy(Qt::NoContextMenu);
    password_->setAcceptDrops(false);
    password_->setValidator(new PasswordCharacters(password_));
    password_->installEventFilter(this);
    passwordSave_ = new QPushButton(QStringLiteral("儲存"), panel);
    passwordSave_->setObjectName(QStringLiteral("儲存"));
    passwordSave_->setGeometry(screen::rect(QRectF(2940, 510, 1200, 420)));

    passwordSection_ =
        std::make_unique<PasswordSection>(context_.store, context_.messages, context_.system,
                                          context_.expectedPassword, context_.endProgram);
    connect(password_, &QLineEdit::textChanged, this, [this](const QString& text) {
        passwordSection_->textChanged(text);
        showPasswordSection();
    });
    connect(passwordSave_, &QPushButton::clicked, this, [this] {
        password_->setText(PasswordSection::clean(password_->text()));
        passwordSection_->save(password_->text());
    });
    showPasswordSection();
}

void SettingsWindow::showPasswordSection() {
    passwordSave_->setEnabled(passwordSection_->saveEnabled());
    password_->setEchoMode(passwordSection_->masked() ? QLineEdit::Password : QLineEdit::Normal);
}

bool SettingsWindow::filterPasswordEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete) {
            password_->clear();
            return true;
        }
        return key->matches(QKeySequence::Paste);
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        // The middle button pastes the X primary selection.
        return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
    case QEvent::FocusIn:
        // After the line edit's own focus handling, which may place the cursor.
        QTimer::singleShot(0, password_, &QLineEdit::selectAll);
        return false;
    default:
        return false;
    }
}

bool SettingsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == password_ && filterPasswordEvent(event))
        return true;
    return QWidget::eventFilter(watched, event);
}

void SettingsWindow::buildDecoration() {
    animation_ = new PictureControl(QStringLiteral("動畫圖形"), this);
    animation_->setGeometry(screen::rect(animationArea));
    animationTimer_ = new Timer(QStringLiteral("動畫播放"), 150, this);
    connect(animationTimer_, &Timer::ticked, this, [this] {
        animationFrame_ = (animationFrame_ + 1) % SettingsPictures::animationFrames;
        animation_->setPicture(
            SettingsPictures::animationFrame(animationFrame_, animation_->size()));
    });
    animation_->setPicture(SettingsPictures::animationFrame(0, animation_->size()));
    connect(animation_, &PictureControl::pressed, this, [this](QPointF, Qt::MouseButton b) {
        if (b == Qt::LeftButton)
            dragPress(QCursor::pos());
    });
    connect(animation_, &PictureControl::moved, this, [this](QPointF, Qt::MouseButtons b) {
        if (b & Qt::LeftButton)
            dragMove(QCursor::pos());
    });
    connect(animation_, &PictureControl::released, this,
            [this](QPointF, Qt::MouseButton, bool) { dragging_ = false; });

    auto* title = new QLabel(QStringLiteral("系統設定"), this);
    title->setStyleSheet(QStringLiteral("color: white; font-size: 18px; font-weight: bold;"));
    title->setGeometry(screen::rect(QRectF(1260, 180, 3600, 420)));
    title->setAttribute(Qt::WA_TransparentForMouseEvents);

    close_ = new PictureControl(QStringLiteral("關閉窗"), this);
    close_->setGeometry(screen::rect(closeArea));
    WindowScroller::keepInCorner(*close_);
    close_->setPicture(SettingsPictures::closeButton(false, close_->size()));
    close_->setCursor(Qt::PointingHandCursor);
    connect(close_, &PictureControl::moved, this, [this](QPointF, Qt::MouseButtons) {
        close_->setPicture(SettingsPictures::closeButton(true, close_->size()));
    });
    connect(close_, &PictureControl::left, this,
            [this] { close_->setPicture(SettingsPictures::closeButton(false, close_->size())); });
    connect(close_, &PictureControl::released, this,
            [this](QPointF, Qt::MouseButton button, bool inside) {
                if (button == Qt::LeftButton && inside)
                    close();
            });

    ok_ = new PictureControl(QStringLiteral("OK"), this);
    ok_->setGeometry(screen::rect(okArea));
    ok_->setPicture(SettingsPictures::okPicture(ok_->size()));
}

QSizeF SettingsWindow::sizeTwips() const {
    return {closeArea.left() + closeArea.width() + 120, okArea.top() + okArea.height() + 180};
}

void SettingsWindow::open() {
    setWindowTitle(QStringLiteral("Tavo 條碼管理"));
    const QSizeF size = sizeTwips();
    setFixedSize(screen::pixels(size.width()), screen::pixels(size.height()));
    background_ = SettingsPictures::windowBackground(this->size());

    const int update = context_.updateCheck;
    if (update >= 0 && update <= 2)
        updateOptions_[std::size_t(update)]->setChecked(true);
    resolutionPanel_->open();
    // The dot of the printer the calibration sheets would go to.
    if (std::unique_ptr<Printer> printer = context_.printers ? context_.printers() : nullptr;
        printer && printer->isAvailable()) {
        resolutionPanel_->showPrinterDot(printer->name(), printer->dotsPerInch());
        printer->abortDocument();
    } else {
        resolutionPanel_->showPrinterDot(QString(), 0);
    }
    const int kind = context_.printing.printerKind;
    if (kind == 0 || kind == 1) {
        printerOptions_[std::size_t(kind)]->setChecked(true);
        devicePictures_[std::size_t(kind)]->raise();
    }
    animationTimer_->start();
}

void SettingsWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, background_);
    // Twips (0, 0)–(width − 15, height − 15) and (15, 15)–(width − 30, height − 30).
    p.setPen(outerFrame);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, width() - 1, height() - 1);
    p.setPen(innerFrame);
    p.drawRect(1, 1, width() - 3, height() - 3);
}

void SettingsWindow::dragPress(QPoint global) {
    dragging_ = true;
    dragStart_ = global;
    windowStart_ = pos();
}

void SettingsWindow::dragMove(QPoint global) {
    if (dragging_)
        move(windowStart_ + (global - dragStart_));
}

void SettingsWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        dragPress(event->globalPosition().toPoint());
}

void SettingsWindow::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton)
        dragMove(event->globalPosition().toPoint());
}

void SettingsWindow::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = false;
}

} // namespace brevmark
