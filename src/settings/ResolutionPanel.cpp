#include "settings/ResolutionPanel.h"

#include "common/ScreenPixels.h"

#include "common/Twips.h"
#include "platform/Timer.h"
#include "platform/qt/PictureControl.h"
#include "platform/MessageBoxes.h"
#include "print/CalibrationSheets.h"
#include "print/PrintTexts.h"
#include "print/ResolutionCalibration.h"
#include "print/ResolutionLevels.h"
#include "settings/ArrowAnimation.h"
#include "settings/SettingsPictures.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace brevmark {

namespace {

namespace levels = resolution_levels;

constexpr double statusLeft = 840;
constexpr double statusFirstTop = 1140;
constexpr double statusPitch = 450;
constexpr double statusWidth = 3600;
constexpr double statusHeight = 390;
constexpr double arrowLeft = 300;
constexpr double arrowWidth = 480;

void place(QWidget* w, double left, double top, double width, double height) {
    w->setGeometry(screen::pixels(left), screen::pixels(top), screen::pixels(width),
                   screen::pixels(height));
}

QString explanationText() {
    return QStringLiteral(
        "<p><b>如何選擇列印解析度</b></p>"
        "<p>按下【校正列印】後，印表機會印出 A1 到 A9 九列細線。"
        "每一列的細線間距不同：A1 最密集，A9 最稀疏。</p>"
        "<p>請在印好的紙上找出<b>線條最密集、而且顏色均勻、沒有重疊變粗</b>的一列，"
        "再點選左邊相同編號的圖形，或在清單中選擇該編號。</p>"
        "<p>若九列都不理想，請按【進階設定】，印出 B0 到 B120 的進階校正條碼，"
        "再從進階清單中選擇。</p>"
        "<p>選擇會立即生效並自動儲存。</p>");
}

} // namespace

ResolutionPanel::ResolutionPanel(ResolutionCalibration& calibration, CalibrationSheets& sheets,
                                 MessageBoxes& messages, QWidget* parent)
    : QWidget(parent), calibration_(calibration), sheets_(sheets), messages_(messages),
      animation_(std::make_unique<ArrowAnimation>(statusFirstTop)) {
    setObjectName(QStringLiteral("列印解析度區"));
    resize(screen::pixels(widthTwips), screen::pixels(heightTwips));
    setAutoFillBackground(false);

    auto* heading = new QLabel(QStringLiteral("選擇條碼線條最密集且不重疊的編號"), this);
    heading->setStyleSheet(QStringLiteral("color: rgb(70, 90, 140);"));
    place(heading, 240, 900, 4300, 240);

    printerDot_ = new QLabel(this);
    printerDot_->setObjectName(QStringLiteral("印表機點距"));
    // Right of the panel's title, in two short lines, clear of the title and the buttons.
    printerDot_->setStyleSheet(QStringLiteral("color: rgb(70, 90, 140);"));
    QFont small = printerDot_->font();
    small.setPixelSize(11);
    printerDot_->setFont(small);
    printerDot_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(printerDot_, 1440, 0, 3120, 450);

    standardList_ = new QComboBox(this);
    standardList_->setObjectName(QStringLiteral("解析設定"));
    for (int k = 1; k <= levels::standardCount; ++k)
        standardList_->addItem(levels::standardName(k));
    place(standardList_, 240, 480, 1140, 360);

    calibrationPrint_ = new PictureControl(QStringLiteral("校正列印"), this);
    place(calibrationPrint_, 1500, 450, 1560, 420);
    calibrationPrint_->setPicture(
        SettingsPictures::calibrationButton(0, calibrationPrint_->size()));
    calibrationPrint_->setCursor(Qt::PointingHandCursor);

    advancedPrint_ = new QPushButton(QStringLiteral("進階設定"), this);
    advancedPrint_->setObjectName(QStringLiteral("進階列印"));
    place(advancedPrint_, 3180, 450, 1260, 420);

    advancedList_ = new QComboBox(this);
    advancedList_->setObjectName(QStringLiteral("進階解析"));
    place(advancedList_, 3180, 480, 1260, 360);
    advancedList_->hide();

    for (int k = 1; k <= levels::standardCount; ++k) {
        auto* picture = new PictureControl(QStringLiteral("狀態圖"), this, k);
        place(picture, statusLeft, statusTop(k), statusWidth, statusHeight);
        picture->setCursor(Qt::PointingHandCursor);
        picture->setToolTip(levels::standardName(k) + QStringLiteral("：") +
                            levels::standardValue(k).toText());
        connect(picture, &PictureControl::released, this,
                [this, k](QPointF, Qt::MouseButton button, bool inside) {
                    if (button != Qt::LeftButton || !inside)
                        return;
                    standardList_->setCurrentIndex(k - 1);
                    calibration_.chooseStatusPicture(k);
                    refresh();
                });
        status_[std::size_t(k - 1)] = picture;
    }

    arrow_ = new PictureControl(QStringLiteral("設定箭頭"), this);
    place(arrow_, arrowLeft, statusFirstTop, arrowWidth, statusHeight);
    arrow_->setPicture(SettingsPictures::arrow(arrow_->size()));
    arrow_->hide();

    arrowTimer_ = new Timer(QStringLiteral("箭頭移動"), ArrowAnimation::periodMs, this);
    connect(arrowTimer_, &Timer::ticked, this, &ResolutionPanel::arrowTick);

    explanation_ = new QWidget(this);
    explanation_->setObjectName(QStringLiteral("解析修說窗"));
    place(explanation_, 0, 0, widthTwips, heightTwips);
    explanation_->setAutoFillBackground(true);
    QPalette palette = explanation_->palette();
    palette.setColor(QPalette::Window, QColor(250, 252, 255));
    explanation_->setPalette(palette);
    auto* text = new QLabel(explanationText(), explanation_);
    text->setWordWrap(true);
    text->setTextFormat(Qt::RichText);
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    place(text, 240, 240, widthTwips - 480, heightTwips - 1200);
    auto* closeExplanation = new QPushButton(QStringLiteral("了解"), explanation_);
    closeExplanation->setObjectName(QStringLiteral("關閉校正"));
    place(closeExplanation, widthTwips - 1500, heightTwips - 720, 1260, 420);
    connect(closeExplanation, &QPushButton::clicked, explanation_, &QWidget::hide);
    explanation_->hide();

    connect(standardList_, &QComboBox::textActivated, this, [this](const QString& text) {
        calibration_.chooseStandard(text);
        refresh();
    });
    connect(advancedList_, &QComboBox::textActivated, this, [this](const QString& text) {
        calibration_.chooseAdvanced(text);
        refresh();
    });
    connect(advancedPrint_, &QPushButton::clicked, this, [this] {
        printSheet(print_texts::advancedSheetQuestion(), true);
        calibration_.enterAdvancedMode();
        refresh();
    });
    connect(calibrationPrint_, &PictureControl::pressed, this, [this](QPointF, Qt::MouseButton b) {
        if (b == Qt::LeftButton)
            calibrationPrint_->setPicture(
                SettingsPictures::calibrationButton(2, calibrationPrint_->size()));
    });
    connect(calibrationPrint_, &PictureControl::moved, this, [this](QPointF, Qt::MouseButtons b) {
        if (!(b & Qt::LeftButton))
            calibrationPrint_->setPicture(
                SettingsPictures::calibrationButton(1, calibrationPrint_->size()));
    });
    connect(calibrationPrint_, &PictureControl::left, this, [this] {
        calibrationPrint_->setPicture(
            SettingsPictures::calibrationButton(0, calibrationPrint_->size()));
    });
    connect(calibrationPrint_, &PictureControl::released, this,
            [this](QPointF, Qt::MouseButton button, bool inside) {
                calibrationPrint_->setPicture(
                    SettingsPictures::calibrationButton(0, calibrationPrint_->size()));
                if (button != Qt::LeftButton || !inside)
                    return;
                printSheet(print_texts::standardSheetQuestion(), false);
                explanation_->show();
                explanation_->raise();
            });
}

ResolutionPanel::~ResolutionPanel() = default;

double ResolutionPanel::statusTop(int k) {
    return statusFirstTop + (k - 1) * statusPitch;
}

double ResolutionPanel::arrowTop() const {
    return animation_->top();
}

void ResolutionPanel::open() {
    advancedList_->clear();
    for (int k = 0; k <= levels::advancedLast; ++k)
        advancedList_->addItem(levels::advancedName(k));
    calibration_.open();
    refresh();
}

void ResolutionPanel::showPrinterDot(const QString& printer, double dotsPerInch) {
    if (printer.isEmpty() || dotsPerInch <= 0) {
        printerDot_->setText(print_texts::noDefaultPrinter());
        printerDot_->setToolTip(QString());
        return;
    }
    const double dot = twips::fromDots(1, dotsPerInch);
    const QString nearest = levels::advancedNameFor(Fixed4::fromDouble(dot));
    // A long printer name is shortened to the line; the whole text stays at hand as a tip.
    const QString whole = print_texts::printerDot(printer, dotsPerInch, dot, nearest);
    const QFontMetrics metrics(printerDot_->font());
    const QString firstLineAround = print_texts::printerDot(QString(), dotsPerInch, dot, nearest)
                                        .section(QLatin1Char('\n'), 0, 0);
    const QString name = metrics.elidedText(
        printer, Qt::ElideMiddle, printerDot_->width() - metrics.horizontalAdvance(firstLineAround));
    printerDot_->setText(print_texts::printerDot(name, dotsPerInch, dot, nearest));
    printerDot_->setToolTip(whole);
}

void ResolutionPanel::showStatusPictures(int level) {
    for (int i = 1; i <= levels::standardCount; ++i) {
        PictureControl* picture = status_[std::size_t(i - 1)];
        picture->setPicture(SettingsPictures::statusPicture(i, 9 - level + i, picture->size()));
    }
}

void ResolutionPanel::refresh() {
    const int standard = standardList_->findText(calibration_.standardText());
    standardList_->setCurrentIndex(standard);
    const int advanced = advancedList_->findText(calibration_.advancedText());
    advancedList_->setCurrentIndex(advanced);
    advancedList_->setVisible(calibration_.advancedMode());
    advancedPrint_->setVisible(!calibration_.advancedMode());

    const int level = calibration_.level() > 0 ? calibration_.level() : 5;
    showStatusPictures(level);
    arrow_->setVisible(calibration_.arrowShown());
    if (calibration_.arrowShown())
        arrow_->raise();
    if (calibration_.arrowRequests() != seenArrowRequests_ && calibration_.level() > 0) {
        seenArrowRequests_ = calibration_.arrowRequests();
        animation_->setTarget(statusTop(calibration_.level()));
        if (!animation_->arrived())
            arrowTimer_->start();
    }
    if (explanation_->isVisible())
        explanation_->raise();
}

void ResolutionPanel::printSheet(const QString& question, bool advanced) {
    const MessageAnswer answer = messages_.show(print_texts::printNoticeTitle(), question,
                                                MessageIcon::Warning, MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes)
        return;
    const CalibrationSheets::Outcome outcome =
        advanced ? sheets_.printAdvanced() : sheets_.printStandard();
    if (outcome == CalibrationSheets::Outcome::NoPrinter)
        messages_.warn(print_texts::noticeTitle(), print_texts::noPrinter());
}

void ResolutionPanel::arrowTick() {
    if (!animation_->step())
        arrowTimer_->stop();
    arrow_->move(arrow_->x(), screen::pixels(animation_->top()));
}

} // namespace brevmark
