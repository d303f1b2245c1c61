#include "shell/MainWindow.h"

#include "common/Rounding.h"
#include "common/Twips.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/SystemServices.h"
#include "platform/Timer.h"
#include "records/SettingsKeys.h"
#include "shell/ApplicationControl.h"

#include <QCloseEvent>
#include <QPainter>
#include <QPushButton>

namespace brevmark {

namespace {
constexpr double simpleWidth = 6000;
constexpr double professionalWidth = 12090;
constexpr double windowHeight = 7470;

int toPixels(double twipsValue) { return int(roundHalfEvenToInt(twips::toPixels(twipsValue))); }
} // namespace

MainWindow::MainWindow(ShellServices services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), services_(std::move(services)),
      settings_(services_.files, services_.messages, services_.location.recordsFolder()),
      timers_(this) {
    setObjectName(QStringLiteral("主視窗"));
    setWindowTitle(QStringLiteral("Tavo Brevmark"));
    closeButton_ = new QPushButton(QStringLiteral("✕"), this);
    closeButton_->setObjectName(QStringLiteral("關閉功能"));
    closeButton_->setToolTip(QStringLiteral("關閉程式"));
    closeButton_->setFixedSize(28, 22);
    connect(closeButton_, &QPushButton::clicked, this, &MainWindow::closeProgram);
    connect(timers_.arrangeWindow, &Timer::ticked, this, &MainWindow::deferredStart);
    connect(timers_.enlargeWindow, &Timer::ticked, this, [this] {
        if (!isVisible())
            return;
        layoutFrame();
        timers_.enlargeWindow->stop();
        timers_.enlargeWindow->setPeriod(0);
    });
    resizeTwips(simpleWidth, windowHeight);
}

MainWindow::~MainWindow() = default;

bool MainWindow::prepareDataFolders() {
    FileSystem& files = services_.files;
    const DataLocation& where = services_.location;
    const QString folders[] = {where.recordsFolder(), where.picturesFolder()};
    QString problem;
    for (const QString& folder : folders)
        if (!files.folderExists(folder) && !files.createFolder(folder))
            problem = folder;
    // Settings are written the moment they change: a folder that cannot take a file is no use.
    const QString probe = where.recordsFile(QStringLiteral(".brevmark-write-test"));
    if (problem.isEmpty() && !files.replaceBytes(probe, QByteArray()))
        problem = where.recordsFolder();
    files.removeFile(probe);
    if (!problem.isEmpty()) {
        services_.messages.warn(QStringLiteral("資料夾錯誤"),
                                QStringLiteral("無法建立或寫入資料夾：") + problem +
                                    QStringLiteral("\r\n程式將自動關閉。"));
        return false;
    }
    const QString settingsFile = where.recordsFile(SettingsStore::fileName());
    if (files.folderExists(settingsFile)) {
        services_.messages.warn(QStringLiteral("資料夾錯誤"),
                                QStringLiteral("功能設定 記錄檔案的位置是一個資料夾：") +
                                    settingsFile +
                                    QStringLiteral("\r\n請移除該資料夾後重新執行程式。"));
        return false;
    }
    return true;
}

bool MainWindow::start() {
    setWindowTitle(QStringLiteral("Tavo Brevmark"));
    if (!prepareDataFolders()) {
        ending_ = true;
        services_.control.endNow(1);
        return false;
    }
    if (settings_.load() == SettingsStore::LoadResult::RepairedEndProgram) {
        ending_ = true;
        services_.control.endNow(0);
        return false;
    }
    const QSizeF screen = services_.system.screenSizeTwips();
    values_ = applyStartupSettings(settings_, screen.width(), screen.height());
    applyPlacement();
    if (values_.maximised)
        timers_.enlargeWindow->start();
    timers_.arrangeWindow->start();
    fillFontList();
    timers_.printHotKey->start();
    return true;
}

void MainWindow::applyPlacement() {
    if (values_.maximised) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    if (values_.left || values_.top) {
        const QPoint at = pos();
        move(values_.left ? toPixels(*values_.left) : at.x(),
             values_.top ? toPixels(*values_.top) : at.y());
    }
    if (values_.width && values_.height)
        resizeTwips(*values_.width, *values_.height);
}

void MainWindow::fillFontList() {
    if (!fontList_.isEmpty())
        return;
    for (const QString& family : services_.system.screenFonts())
        if (!family.startsWith(QLatin1Char('@')))
            fontList_ << family;
}

void MainWindow::deferredStart() {
    const QString mode = values_.layoutMode;
    const int number = values_.layoutModeNumber();
    if (mode.isEmpty() || number == 0) {
        // The simple layout has no maximise control: a stored maximised state is let go of.
        if (isMaximized())
            setWindowState(windowState() & ~Qt::WindowMaximized);
        resizeTwips(simpleWidth, windowHeight);
    } else if (number == 1) {
        if (isMaximized())
            timers_.enlargeWindow->start();
        else
            resizeTwips(professionalWidth, windowHeight);
    }
    layoutFrame();
    show();
    if (values_.updateFlag == QStringLiteral("1"))
        timers_.updateQuery->start();
    timers_.arrangeWindow->stop();
}

void MainWindow::closeProgram() {
    const QRectF g = geometryTwips();
    settings_.set(settings_keys::mainWindowSize,
                  windowPlacementText(values_.layoutMode, windowStateCode(), g.left(), g.top(),
                                      g.width(), g.height()));
    ending_ = true;
    services_.control.endNow(0);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closed by the desktop rather than by the close command: end without storing anything.
    event->accept();
    if (!ending_) {
        ending_ = true;
        services_.control.endNow(0);
    }
}

void MainWindow::setGeometryTwips(double left, double top, double width, double height) {
    setGeometry(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

void MainWindow::resizeTwips(double width, double height) {
    resize(toPixels(width), toPixels(height));
}

QRectF MainWindow::geometryTwips() const {
    const QRect g = (isMaximized() || isMinimized()) && !normalGeometry().isEmpty()
                        ? normalGeometry()
                        : geometry();
    return {twips::fromPixels(g.x()), twips::fromPixels(g.y()), twips::fromPixels(g.width()),
            twips::fromPixels(g.height())};
}

int MainWindow::windowStateCode() const {
    if (isMinimized())
        return 1;
    if (isMaximized())
        return 2;
    return 0;
}

void MainWindow::layoutFrame() {
    closeButton_->move(width() - closeButton_->width() - 6, 6);
    closeButton_->raise();
    update();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutFrame();
}

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(244, 246, 250));
    p.setPen(QColor(40, 80, 160));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace brevmark
