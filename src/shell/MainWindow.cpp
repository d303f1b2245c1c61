#include "shell/MainWindow.h"

#include "common/Rounding.h"
#include "common/ScreenPixels.h"
#include "common/Twips.h"
#include "import/WindowGrip.h"
#include "page/EditorTexts.h"
#include "page/FormatTexts.h"
#include "page/KeptPage.h"
#include "page/PictureFolder.h"
#include "page/ui/EditorServices.h"
#include "page/ui/FormatPanels.h"
#include "page/ui/PageEditor.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/QtPictureLoader.h"
#include "platform/StateLocation.h"
#include "platform/SystemServices.h"
#include "platform/Timer.h"
#include "platform/qt/CaptionButtons.h"
#include "platform/qt/FramePictures.h"
#include "platform/qt/HintLabels.h"
#include "platform/qt/PictureControl.h"
#include "platform/qt/WindowTwips.h"
#include "prompt/PromptWindow.h"
#include "records/SettingsKeys.h"
#include "records/TemporaryFiles.h"
#include "shell/AlignmentBridge.h"
#include "shell/ApplicationControl.h"
#include "shell/FolderWarning.h"
#include "shell/PasswordLock.h"
#include "shell/PrintBridge.h"
#include "shell/RecordsBridge.h"
#include "shell/StartupSettings.h"
#include "shell/ToolbarBands.h"
#include "update/UpdateCheck.h"
#include "update/UpdateEndpoint.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace brevmark {

namespace {

constexpr double simpleWidth = 6000;
constexpr double professionalWidth = 12090;
constexpr double windowHeight = 7470;
constexpr double gripMinimumWidth = 12000;
constexpr double gripMinimumHeight = 7200;
constexpr double toolbarParked = -500;

const QString hintResize = QStringLiteral("按住滑鼠左鍵，移動滑鼠，調整 視窗大小");
const QString hintMove = QStringLiteral("按住滑鼠左鍵，移動滑鼠，調整 視窗位置");

QSize pxSize(QSizeF t) {
    return {qMax(1, screen::pixels(t.width())), qMax(1, screen::pixels(t.height()))};
}

} // namespace

MainWindow::MainWindow(ShellServices services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), services_(std::move(services)),
      settings_(services_.files, services_.location.recordsFolder()), timers_(this), panels_(this) {
    setObjectName(QStringLiteral("主視窗"));
    connect(&settings_, &SettingsStore::writeFailed, this,
            [this](const QString& title, const QString& text) {
                services_.messages.warn(title, text);
            });
    setWindowTitle(QStringLiteral("Tavo Brevmark"));
    setMouseTracking(true);
    createFrame();
    editor_ = new PageEditor(viewport_, this,
                             EditorServices{services_.files, services_.location, settings_,
                                            values_.printing, services_.messages, services_.system,
                                            [this](const QString& text) { setHint(text); }},
                             this);
    prompt_ = std::make_unique<PromptWindow>(services_.system);
    pictureLoader_ = std::make_unique<QtPictureLoader>();
    pictureFolder_ =
        std::make_unique<PictureFolder>(services_.files, *pictureLoader_, services_.location);
    pictureFolder_->setNoticeRequest([this](int notice) { prompt_->requestNotice(notice); });
    printing_ = new PrintBridge(*this);
    lock_ = new PasswordLock(*this);
    alignment_ = new AlignmentBridge(*this);
    update_ = new UpdateCheck(
        services_.files, [this](const QString& hint) { setHint(hint); }, this);
    connect(update_, &UpdateCheck::newVersionAnnounced, this, &MainWindow::offerNewVersion);
    connect(timers_.updateQuery, &Timer::ticked, this, [this] {
        // One check a start: the downloads end later, without holding the window.
        timers_.updateQuery->stop();
        update_->run();
    });
    records_ = new RecordsBridge(*this);
    connect(this, &MainWindow::toolbarActivated, this, [this](ToolbarCommand command) {
        const double left = ToolbarBands::button(command).left;
        if (command == ToolbarCommand::Layouts)
            editor_->formats().openLayoutPanel(left);
        else if (command == ToolbarCommand::Paper)
            editor_->openPaperPanel(left);
        else if (command == ToolbarCommand::Arrangement)
            editor_->openArrangementPanel(left);
    });
    connect(editor_, &PageEditor::recordLoadPanelRequested, records_,
            &RecordsBridge::openLoadPanel);
    connect(editor_, &PageEditor::alignmentWindowRequested, alignment_,
            &AlignmentBridge::openWindow);
    connect(editor_, &PageEditor::paperAdjusted, alignment_, &AlignmentBridge::hideHandle);
    connect(editor_, &PageEditor::noticeRequested, this,
            [this](int notice) { prompt_->requestNotice(notice); });
    connect(editor_, &PageEditor::simpleLayoutRequested, this,
            [this] { switchLayout(LayoutMode::Simple); });

    connect(timers_.arrangeWindow, &Timer::ticked, this, &MainWindow::deferredStart);
    connect(timers_.enlargeWindow, &Timer::ticked, this, [this] {
        if (!isVisible())
            return;
        layoutFrame();
        editor_->paperAdjust();
        timers_.enlargeWindow->stop();
        timers_.enlargeWindow->setPeriod(0);
    });
    connect(timers_.expandWindow, &Timer::ticked, this, &MainWindow::growStep);
    connect(timers_.shrinkWindow, &Timer::ticked, this, &MainWindow::shrinkStep);
    resizeTwips(simpleWidth, windowHeight);
}

MainWindow::~MainWindow() {
    // Child windows (the record manager, the settings window) have no parent but use this
    // window's services and bridges: one still open goes first, before a timer of its can fire.
    QList<QWidget*> openChildren;
    for (const QPointer<QWidget>& child : std::as_const(childWindows_))
        if (child)
            openChildren.append(child.data());
    qDeleteAll(openChildren);
    // The editor, the print commands and the panels hold references to the picture folder and
    // loader below: they go first.
    qDeleteAll(children());
}

// ---------------------------------------------------------------------------------------------
// Start-up and shut-down

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
        FolderWarning::showUnwritable(services_.messages, problem);
        return false;
    }
    const QString settingsFile = where.recordsFile(SettingsStore::fileName());
    if (files.folderExists(settingsFile)) {
        services_.messages.warn(FolderWarning::title(),
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
    tidyTemporaryFiles(services_.files, services_.location.recordsFolder());
    if (settings_.load() == SettingsStore::LoadResult::Damaged) {
        services_.messages.warn(SettingsStore::repairTitle(), SettingsStore::repairText());
        if (settings_.repair() == SettingsStore::RepairResult::RebuiltEndProgram) {
            services_.messages.inform(SettingsStore::repairedTitle(),
                                      SettingsStore::repairedText());
            ending_ = true;
            services_.control.endNow(0);
            return false;
        }
    }
    const QSizeF screen = services_.system.screenSizeTwips();
    values_ = applyStartupSettings(settings_, screen.width(), screen.height());
    if (values_.item0Width) {
        // Start-up values, not an edit of the page.
        QRectF item0 = editor_->model().items().at(ItemTable::simpleItem).rect();
        item0.setWidth(*values_.item0Width);
        editor_->model().setItemRect(ItemTable::simpleItem, item0);
    }
    if (values_.arrangement)
        editor_->restoreArrangement(*values_.arrangement);
    applyPlacement();
    if (values_.maximised)
        timers_.enlargeWindow->start();
    timers_.arrangeWindow->start();
    fillFontList();
    editor_->setFonts(fontList_);
    pictureFolder_->fill();
    editor_->setPictureFolder(*pictureFolder_);
    restorePage();
    timers_.printHotKey->start();
    return true;
}

void MainWindow::applyPlacement() {
    if (values_.maximised) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    const QRectF g = geometryTwips();
    setGeometryTwips(values_.left.value_or(g.left()), values_.top.value_or(g.top()),
                     values_.width.value_or(g.width()), values_.height.value_or(g.height()));
}

void MainWindow::fillFontList() {
    if (!fontList_.isEmpty())
        return;
    for (const QString& family : services_.system.screenFonts())
        if (!family.startsWith(QLatin1Char('@')))
            fontList_ << family;
}

void MainWindow::deferredStart() {
    const LayoutMode layout = values_.layoutMode;
    if (layout == LayoutMode::Professional) {
        if (isMaximized())
            timers_.enlargeWindow->start();
        else
            resizeTwips(professionalWidth, windowHeight);
        switchLayout(LayoutMode::Professional);
    } else if (layout == LayoutMode::Simple) {
        // The simple layout has no maximise control: a stored maximised state is let go of.
        if (isMaximized())
            setWindowState(windowState() & ~Qt::WindowMaximized);
        resizeTwips(simpleWidth, windowHeight);
        switchLayout(LayoutMode::Simple);
    }
    layoutFrame();
    if (layout == LayoutMode::Professional)
        editor_->paperAdjust();
    if (!values_.expectedPassword.isEmpty())
        lock_->lock();
    show();
    if (values_.updateCheck == 1)
        timers_.updateQuery->start();
    timers_.arrangeWindow->stop();
}

void MainWindow::closeProgram() {
    const QRectF g = geometryTwips();
    startup_settings::windowPlacement().write(
        settings_, {values_.layoutMode, values_.otherLayoutNumber, windowStateCode(), g.left(),
                    g.top(), g.width(), g.height()});
    keepPage();
    endAtOnce();
}

void MainWindow::offerNewVersion() {
    if (services_.messages.show(UpdateCheck::offerTitle(), UpdateCheck::offerText(),
                                MessageIcon::Question, MessageButtons::YesNo) == MessageAnswer::No)
        return;
    const QUrl page = UpdateEndpoint::productPage();
    if (!page.isEmpty())
        services_.system.openInBrowser(page);
}

void MainWindow::keepPage() {
    KeptPage kept(services_.files, stateFolder(), services_.location.programFolder());
    const Layout page = KeptPage::layoutOf(editor_->model());
    if (!kept.keep(page))
        services_.messages.warn(FormatTexts::keepFailedTitle(),
                                FormatTexts::keepFailedText(kept.errorString()));
}

void MainWindow::restorePage() {
    KeptPage kept(services_.files, stateFolder(), services_.location.programFolder());
    if (const std::optional<Layout> page = kept.load())
        editor_->document().restore(*page);
}

void MainWindow::endAtOnce() {
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

// ---------------------------------------------------------------------------------------------
// Geometry

void MainWindow::setGeometryTwips(double left, double top, double width, double height) {
    window_twips::setGeometry(*this, QRectF(left, top, width, height));
}

void MainWindow::resizeTwips(double width, double height) {
    resize(screen::pixels(width), screen::pixels(height));
}

QRectF MainWindow::geometryTwips() const {
    return window_twips::placement(*this);
}

int MainWindow::windowStateCode() const {
    return window_twips::stateCode(*this);
}

void MainWindow::placeWidget(QWidget* widget, const QRectF& r) {
    window_twips::place(*widget, r);
}

// ---------------------------------------------------------------------------------------------
// Frame

void MainWindow::createFrame() {
    viewport_ = new QWidget(this);
    viewport_->setObjectName(QStringLiteral("新增載入窗"));
    viewport_->setAutoFillBackground(true);
    QPalette work = viewport_->palette();
    work.setColor(QPalette::Window, QColor(203, 211, 222));
    viewport_->setPalette(work);
    viewport_->setMouseTracking(true);
    viewport_->installEventFilter(this);

    const HintLabels hints = createHintLabels(this);
    hintShadow_ = hints.shadow;
    hint_ = hints.text;

    captionGroup_ = new CaptionButtons(
        pxSize({FrameLayout::captionButtonWidth, FrameLayout::captionButtonHeight}),
        {QStringLiteral("視窗 最小化"), QStringLiteral("視窗 最大化"), QStringLiteral("關閉程式")},
        this);
    connect(captionGroup_, &CaptionButtons::hintRequested, this, &MainWindow::setHint);
    connect(captionGroup_, &CaptionButtons::minimiseClicked, this, &QWidget::showMinimized);
    connect(captionGroup_, &CaptionButtons::maximiseClicked, this, &MainWindow::toggleMaximised);
    connect(captionGroup_, &CaptionButtons::closeClicked, this, &MainWindow::closeProgram);

    for (int i = 0; i < 6; ++i) {
        const ToolbarButton& t = ToolbarBands::buttons()[i];
        PictureControl* b = new PictureControl(t.name, this);
        const QSize size = pxSize({t.right - t.left, FrameLayout::pieceSizes()[2].height()});
        QImage picture(size, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        {
            QPainter p(&picture);
            p.drawImage(QRect(QPoint(0, screen::pixels(90)),
                              QSize(size.width(), screen::pixels(400) - screen::pixels(90))),
                        FramePictures::toolbarButton(
                            i, FramePictures::Face::Hover,
                            QSize(size.width(), screen::pixels(400) - screen::pixels(90))));
        }
        b->setPicture(picture);
        b->setGeometry(screen::pixels(t.left), screen::pixels(toolbarParked), size.width(),
                       size.height());
        b->setToolTip(QString());
        connect(b, &PictureControl::moved, this,
                [this, i](QPointF, Qt::MouseButtons) { setHint(ToolbarBands::buttons()[i].hint); });
        connect(b, &PictureControl::released, this,
                [this, i](QPointF, Qt::MouseButton button, bool inside) {
                    if (button != Qt::LeftButton || !inside)
                        return;
                    parkToolbar(-1);
                    const ToolbarCommand command = ToolbarBands::buttons()[i].command;
                    if (command == ToolbarCommand::Settings)
                        closePanels();
                    emit toolbarActivated(command);
                });
        toolbar_[i] = b;
    }

    layoutToggle_ = new PictureControl(QStringLiteral("版本按鈕"), this);
    placeWidget(layoutToggle_, QRectF(2670, 75, 750, 330));
    createClearButton();
    connect(layoutToggle_, &PictureControl::moved, this, [this](QPointF, Qt::MouseButtons) {
        const bool professional = layout() == LayoutMode::Professional;
        layoutToggle_->setPicture(
            FramePictures::layoutToggle(professional ? 1 : 0, layoutToggle_->size()));
        setHint(professional ? QStringLiteral("切換【簡易版】") : QStringLiteral("切換【專業版】"));
    });
    connect(layoutToggle_, &PictureControl::pressed, this, [this](QPointF, Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            toggleLayout();
    });
    restoreLayoutToggle();
}

void MainWindow::createClearButton() {
    // Before the first toolbar button, where the six bands leave room: 空白預設按鈕.
    clearButton_ = new PictureControl(QStringLiteral("空白預設按鈕"), this);
    placeWidget(clearButton_, QRectF(3435, 90, 845, 310));
    const auto face = [this](FramePictures::Face f) {
        clearButton_->setPicture(FramePictures::toolbarButton(6, f, clearButton_->size()));
    };
    face(FramePictures::Face::Normal);
    connect(clearButton_, &PictureControl::moved, this, [this, face](QPointF, Qt::MouseButtons) {
        face(FramePictures::Face::Hover);
        setHint(EditorTexts::clearPageHint());
    });
    connect(clearButton_, &PictureControl::left, this,
            [face] { face(FramePictures::Face::Normal); });
    connect(clearButton_, &PictureControl::pressed, this,
            [face](QPointF, Qt::MouseButton) { face(FramePictures::Face::Pressed); });
    connect(clearButton_, &PictureControl::released, this,
            [this, face](QPointF, Qt::MouseButton button, bool inside) {
                face(inside ? FramePictures::Face::Hover : FramePictures::Face::Normal);
                if (button == Qt::LeftButton && inside)
                    editor_->clearPage();
            });
    clearButton_->hide();
}

void MainWindow::layoutFrame() {
    const QRectF g = geometryTwips();
    const QSizeF size = isMaximized() || isMinimized()
                            ? QSizeF(twips::fromPixels(width()), twips::fromPixels(height()))
                            : g.size();
    // A layout mode that is neither layout keeps the caption buttons as they were.
    frame_ = FrameLayout::compute(size, values_.layoutMode, &frame_);
    placeWidget(viewport_, frame_.viewport);
    placeWidget(hint_, frame_.hint);
    placeWidget(hintShadow_, frame_.hintShadow);
    hintShadow_->lower();
    placeWidget(captionGroup_, frame_.captionGroup);
    captionGroup_->arrange(frame_.maximiseButtonShown, screen::pixels(frame_.closeButtonLeft));
    update();
}

namespace {
// Pictures are drawn anew only when the size they are needed at changes, not on every paint.
template <typename Make> const QImage& cached(QImage& slot, QSize size, Make make) {
    if (slot.size() != size)
        slot = make(size);
    return slot;
}
} // namespace

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (int i = 0; i < 9; ++i) {
        const QRect target = screen::rect(frame_.pieces[i]);
        if (target.isEmpty())
            continue;
        p.drawImage(target, cached(pieceImages_[i], target.size(),
                                   [i](QSize size) { return FramePictures::piece(i, size); }));
    }
    if (layout() != LayoutMode::Simple) {
        // The toolbar's buttons in their normal look lie on the title strip.
        for (int i = 0; i < 6; ++i) {
            const ToolbarButton& t = ToolbarBands::buttons()[i];
            const QRect target(screen::pixels(t.left), screen::pixels(90),
                               screen::pixels(t.right) - screen::pixels(t.left),
                               screen::pixels(400) - screen::pixels(90));
            if (target.right() < screen::pixels(frame_.captionGroup.left()))
                p.drawImage(target, cached(toolbarImages_[i], target.size(), [i](QSize size) {
                                return FramePictures::toolbarButton(i, FramePictures::Face::Normal,
                                                                    size);
                            }));
        }
    }
    if (values_.layoutMode == LayoutMode::Professional && !isMaximized()) {
        const QRect target = screen::rect(frame_.pieces[8]);
        p.drawImage(target, cached(gripImage_, target.size(), FramePictures::resizeGrip));
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutFrame();
}

// ---------------------------------------------------------------------------------------------
// Hint line, panels, child windows

void MainWindow::setHint(const QString& text) {
    hint_->setText(text);
    hintShadow_->setText(text);
}

QString MainWindow::hint() const {
    return hint_->text();
}

LayoutMode MainWindow::layout() const {
    // The frame is built before the editor: it starts in no layout.
    return editor_ ? editor_->model().page().layoutMode : LayoutMode::None;
}

QWidget* MainWindow::panel(FloatingPanel id) const {
    return panels_.find(id);
}

void MainWindow::closePanels() {
    editor_->closePanels();
}

void MainWindow::stackPanels() {
    editor_->stackPanels();
}

void MainWindow::closePanel(FloatingPanel panel) {
    editor_->closePanel(panel);
}

void MainWindow::showChildWindow(QWidget* child) {
    childWindows_.removeAll(QPointer<QWidget>());
    childWindows_.append(child);
    child->installEventFilter(this);
    child->show();
    hide();
}

// ---------------------------------------------------------------------------------------------
// Layouts

void MainWindow::switchLayout(LayoutMode layout) {
    if (layout == LayoutMode::Simple) {
        editor_->enterSimpleLayout(frame_.viewport.top());
        layoutToggle_->setPicture(FramePictures::layoutToggle(3, layoutToggle_->size()));
        toolbar_[0]->hide();
        clearButton_->hide();
    } else if (layout == LayoutMode::Professional) {
        editor_->enterProfessionalLayout();
        layoutToggle_->setPicture(FramePictures::layoutToggle(2, layoutToggle_->size()));
        toolbar_[0]->show();
        clearButton_->show();
        closePanels();
    }
    editor_->setLayoutMode(layout);
    update();
}

void MainWindow::restoreLayoutToggle() {
    layoutToggle_->setPicture(FramePictures::layoutToggle(
        layout() == LayoutMode::Professional ? 2 : 3, layoutToggle_->size()));
}

void MainWindow::toggleLayout() {
    values_.layoutMode =
        values_.layoutMode == LayoutMode::Simple ? LayoutMode::Professional : LayoutMode::Simple;
    if (isMaximized() || isMinimized())
        setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
    closePanels();
    if (values_.layoutMode == LayoutMode::Professional)
        timers_.expandWindow->start();
    else
        timers_.shrinkWindow->start();
}

void MainWindow::growStep() {
    QRectF g = geometryTwips();
    if (g.height() < windowHeight)
        g.setHeight(g.height() + 100);
    if (g.width() < professionalWidth)
        g.setWidth(g.width() + 600);
    setGeometryTwips(g.left(), g.top(), g.width(), g.height());
    layoutFrame();
    if (g.height() >= windowHeight && g.width() >= professionalWidth) {
        resizeTwips(professionalWidth, windowHeight);
        layoutFrame();
        editor_->paperAdjust();
        switchLayout(LayoutMode::Professional);
        timers_.expandWindow->stop();
    }
}

void MainWindow::shrinkStep() {
    QRectF g = geometryTwips();
    if (g.height() > windowHeight)
        g.setHeight(g.height() - 100);
    if (g.width() > simpleWidth)
        g.setWidth(g.width() - 600);
    setGeometryTwips(g.left(), g.top(), g.width(), g.height());
    layoutFrame();
    if (g.height() <= windowHeight && g.width() <= simpleWidth) {
        resizeTwips(simpleWidth, windowHeight);
        layoutFrame();
        editor_->hidePage();
        switchLayout(LayoutMode::Simple);
        timers_.shrinkWindow->stop();
    }
}

void MainWindow::toggleMaximised() {
    if (isMaximized())
        setWindowState(windowState() & ~Qt::WindowMaximized);
    else
        setWindowState(windowState() | Qt::WindowMaximized);
    layoutFrame();
    editor_->paperAdjust();
}

// ---------------------------------------------------------------------------------------------
// Pointer gestures on the window background and the viewport

void MainWindow::setPointer(Pointer pointer) {
    pointer_ = pointer;
    showPointer(*this, pointer);
}

void MainWindow::parkToolbar(int shownIndex) {
    for (int i = 0; i < 6; ++i)
        toolbar_[i]->move(toolbar_[i]->x(), i == shownIndex ? 0 : screen::pixels(toolbarParked));
    if (shownIndex >= 0)
        toolbar_[shownIndex]->raise();
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    const QPointF at = screen::twipsOf(event->position());
    press_ = at;
    windowDrag_ = -1;
    if (layout() == LayoutMode::Professional)
        closePanels();
}

void MainWindow::mouseReleaseEvent(QMouseEvent*) {
    if (values_.layoutMode == LayoutMode::Professional)
        editor_->paperAdjust();
    setPointer(Pointer::Arrow);
    windowDrag_ = 0;
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    backgroundMove(screen::twipsOf(event->position()), event->buttons());
}

void MainWindow::dragWindow(QPointF at) {
    const QRectF g = geometryTwips();
    setGeometryTwips(g.left() + at.x() - press_.x(), g.top() + at.y() - press_.y(), g.width(),
                     g.height());
}

void MainWindow::backgroundMove(QPointF at, Qt::MouseButtons buttons) {
    const bool normal = !isMaximized() && !isMinimized();
    captionGroup_->clearHover();
    if (pointer_ == Pointer::SizeNwSe)
        setHint(hintResize);
    else if (normal)
        setHint(hintMove);
    restoreLayoutToggle();

    const bool left = buttons & Qt::LeftButton;
    if (left && pointer_ == Pointer::SizeNwSe && !isMaximized()) {
        QRectF g = geometryTwips();
        QSizeF size = g.size();
        if (WindowGrip::drag(at, press_, size, {gripMinimumWidth, gripMinimumHeight})) {
            g.setSize(size);
            setGeometryTwips(g.left(), g.top(), g.width(), g.height());
            layoutFrame();
        }
    } else if (left && !isMaximized() && windowDrag_ == -1) {
        dragWindow(at);
    }

    if (buttons == Qt::NoButton && normal) {
        const QRectF g = geometryTwips();
        const bool grip =
            WindowGrip::onGrip(at, g.size()) && values_.layoutMode == LayoutMode::Professional;
        setPointer(grip ? Pointer::SizeNwSe : Pointer::Arrow);
    }
    if (layout() != LayoutMode::Simple)
        parkToolbar(ToolbarBands::at(at.x(), at.y()));
}

void MainWindow::viewportMove(QPointF at, Qt::MouseButtons buttons) {
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (child->property("entered").toInt() == 1)
            child->hide();
    panels_.hide(FloatingPanel::ItemMenu);
    setHint(hintMove);
    if ((buttons & Qt::LeftButton) && !isMaximized() && windowDrag_ == -1)
        dragWindow(at);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == viewport_) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* e = static_cast<QMouseEvent*>(event);
            const QPointF at = screen::twipsOf(e->position() + viewport_->pos());
            press_ = at;
            windowDrag_ = -1;
            return true;
        }
        case QEvent::MouseButtonRelease:
            windowDrag_ = 0;
            return true;
        case QEvent::MouseMove: {
            auto* e = static_cast<QMouseEvent*>(event);
            viewportMove(screen::twipsOf(e->position() + viewport_->pos()), e->buttons());
            return true;
        }
        default:
            break;
        }
    } else if (event->type() == QEvent::Hide && watched->isWidgetType() &&
               static_cast<QWidget*>(watched)->isWindow()) {
        // A child window closed: the main window comes back. One that only makes way for a
        // window of its own (the record manager for the bulk import window) keeps it hidden.
        const auto covered = [watched] {
            for (QWidget* w : watched->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (w->isWindow() && w->isVisible())
                    return true;
            return false;
        };
        if (!covered()) {
            watched->removeEventFilter(this);
            show();
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace brevmark
