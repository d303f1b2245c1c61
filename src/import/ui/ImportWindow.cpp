#include "import/ui/ImportWindow.h"

#include "common/ScreenPixels.h"
#include "common/Twips.h"
#include "import/ImportTexts.h"
#include "import/ImportToolbar.h"
#include "import/ScrollBarCheck.h"
#include "import/WindowGrip.h"
#include "import/ui/ImportGridView.h"
#include "import/ui/ImportPictures.h"
#include "platform/Timer.h"
#include "platform/qt/CaptionButtons.h"
#include "platform/qt/FramePictures.h"
#include "platform/qt/HintLabels.h"
#include "platform/qt/PictureControl.h"
#include "platform/qt/WindowTwips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>

namespace brevmark {

namespace {

namespace texts = import_texts;

// The main window's frame picture each piece of this window's frame is drawn with (the main
// window has a title strip more, piece 2).
constexpr std::array<int, ImportFrameLayout::pieceCount> framePicture{0, 2, 3, 4, 5, 6, 7, 8};
// Toolbar pictures 7 and 8 of FramePictures, and where their face lies on the top edge.
constexpr int toolbarPicture[import_toolbar::buttonCount] = {7, 8};
constexpr double faceTop = 105;
constexpr double faceBottom = 435;
constexpr double titleLeft = 255;

QSize pxSize(QSizeF t) {
    return {qMax(1, screen::pixels(t.width())), qMax(1, screen::pixels(t.height()))};
}

QRect faceRect(import_toolbar::Button button) {
    const QRectF band = import_toolbar::band(button);
    return screen::rect({band.left(), faceTop, band.width(), faceBottom - faceTop});
}

template <typename Make> const QImage& cached(QImage& slot, QSize size, Make make) {
    if (slot.size() != size)
        slot = make(size);
    return slot;
}

const QString scrollBarStyle = QStringLiteral(
    "QScrollBar{background:#e6ecf6;border:1px solid #b4c2e6;margin:0;}"
    "QScrollBar::handle{background:qlineargradient(x1:0,y1:0,x2:1,y2:0,stop:0 #9fb2e4,"
    "stop:1 #7f96d4);border-radius:3px;min-height:18px;min-width:18px;margin:2px;}"
    "QScrollBar::handle:hover{background:#2bd0e4;}"
    "QScrollBar::add-line,QScrollBar::sub-line{width:0;height:0;border:none;}"
    "QScrollBar::add-page,QScrollBar::sub-page{background:none;}");

} // namespace

ImportWindow::ImportWindow(BulkImport::Services services, MessageBoxes& messages, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      model_(std::make_unique<BulkImport>(std::move(services))) {
    setObjectName(QStringLiteral("匯入視窗"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(texts::caption);
    setMouseTracking(true);
    const ImportSettings& settings = model_->open();

    grid_ = new ImportGridView(*model_, messages, this);
    connect(grid_, &ImportGridView::hinted, this, &ImportWindow::setHint);
    connect(grid_, &ImportGridView::gridResized, this, &ImportWindow::checkScrollBars);
    connect(grid_, &ImportGridView::rowWanted, this, &ImportWindow::showRow);
    buildScrollBars();
    const HintLabels hints = createHintLabels(this);
    hintShadow_ = hints.shadow;
    hint_ = hints.text;
    buildToolbar();
    buildCaptionButtons();

    layoutTimer_ = new Timer(QStringLiteral("排列視窗位置"), 50, this);
    connect(layoutTimer_, &Timer::ticked, this, [this] {
        layoutFrame();
        layoutTimer_->stop();
    });

    resize(pxSize({ImportSettings::designWidth, ImportSettings::designHeight}));
    if (settings.maximised) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else if (settings.geometry) {
        setGeometryTwips(*settings.geometry);
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        move(room.center() - rect().center());
    }
    grid_->drawHeader();
    grid_->applyRange();
    layoutFrame();
    layoutTimer_->start();
}

ImportWindow::~ImportWindow() = default;

// ------------------------------------------------------------------------------------- build

void ImportWindow::buildScrollBars() {
    vertical_ = new QScrollBar(Qt::Vertical, this);
    vertical_->setObjectName(QStringLiteral("捲軸上下"));
    horizontal_ = new QScrollBar(Qt::Horizontal, this);
    horizontal_->setObjectName(QStringLiteral("捲軸左右"));
    for (QScrollBar* bar : {vertical_, horizontal_}) {
        bar->setStyleSheet(scrollBarStyle);
        bar->setRange(0, 0);
        bar->setSingleStep(1);
        bar->setPageStep(4);
        bar->hide();
        connect(bar, &QScrollBar::valueChanged, this, &ImportWindow::scrollGrid);
    }
}

void ImportWindow::buildToolbar() {
    const QString names[import_toolbar::buttonCount] = {QStringLiteral("記憶匯入"),
                                                        QStringLiteral("儲存多筆資料")};
    const QString hints[import_toolbar::buttonCount] = {texts::importHover, texts::saveHover};
    const double height = ImportFrameLayout::pieceSizes()[1].height();
    for (int i = 0; i < import_toolbar::buttonCount; ++i) {
        const auto button = import_toolbar::Button(i);
        const QRectF band = import_toolbar::band(button);
        auto* b = new PictureControl(names[i], this);
        b->setGeometry(screen::pixels(band.left()), 0, screen::pixels(band.width()),
                       screen::pixels(height));
        QImage picture(b->size(), QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        {
            QPainter p(&picture);
            const QRect face = faceRect(button).translated(-b->x(), 0);
            p.drawImage(face, FramePictures::toolbarButton(
                                  toolbarPicture[i], FramePictures::Face::Hover, face.size()));
        }
        b->setPicture(picture);
        b->setCursor(Qt::PointingHandCursor);
        connect(b, &PictureControl::moved, this,
                [this, hints, i](QPointF, Qt::MouseButtons) { setHint(hints[i]); });
        connect(b, &PictureControl::released, this,
                [this, i](QPointF, Qt::MouseButton button, bool inside) {
                    if (button != Qt::LeftButton || !inside)
                        return;
                    parkToolbar(-1);
                    if (i == import_toolbar::Import)
                        grid_->importSpreadsheet();
                    else
                        grid_->save();
                });
        toolbar_[std::size_t(i)] = b;
    }
}

void ImportWindow::buildCaptionButtons() {
    captionGroup_ = new CaptionButtons(
        pxSize({ImportFrameLayout::captionButtonWidth, ImportFrameLayout::captionButtonHeight}),
        {texts::minimiseHover, texts::maximiseHover, texts::closeHover}, this);
    connect(captionGroup_, &CaptionButtons::hintRequested, this, &ImportWindow::setHint);
    connect(captionGroup_, &CaptionButtons::minimiseClicked, this, &QWidget::showMinimized);
    connect(captionGroup_, &CaptionButtons::maximiseClicked, this, &ImportWindow::toggleMaximised);
    connect(captionGroup_, &CaptionButtons::closeClicked, this, &QWidget::close);
}

// ----------------------------------------------------------------------------------- layout

QRectF ImportWindow::geometryTwips() const {
    return window_twips::placement(*this);
}

void ImportWindow::setGeometryTwips(const QRectF& t) {
    window_twips::setGeometry(*this, t);
}

int ImportWindow::windowStateCode() const {
    return window_twips::stateCode(*this);
}

void ImportWindow::placeWidget(QWidget* widget, const QRectF& r) {
    window_twips::place(*widget, r);
}

void ImportWindow::layoutFrame() {
    const QSizeF size(twips::fromPixels(width()), twips::fromPixels(height()));
    frame_ = ImportFrameLayout::compute(size, model_->settings().smallScreen);
    placeWidget(grid_, frame_.viewport);
    placeWidget(vertical_, frame_.verticalBar);
    placeWidget(horizontal_, frame_.horizontalBar);
    placeWidget(hint_, frame_.hint);
    placeWidget(hintShadow_, frame_.hintShadow);
    hintShadow_->lower();
    placeWidget(captionGroup_, frame_.captionGroup);
    captionGroup_->arrange(frame_.maximiseButtonShown, screen::pixels(frame_.closeButtonLeft));
    parkToolbar(-1);
    checkScrollBars();
    update();
}

void ImportWindow::checkScrollBars() {
    const ScrollBarCheck check = ScrollBarCheck::of(grid_->gridSize(), frame_.viewport.size());
    vertical_->setMaximum(check.verticalMaximum);
    vertical_->setVisible(check.verticalShown);
    horizontal_->setMaximum(check.horizontalMaximum);
    horizontal_->setVisible(check.horizontalShown);
    vertical_->raise();
    horizontal_->raise();
    scrollGrid();
}

void ImportWindow::scrollGrid() {
    grid_->scrollTo(vertical_->value(), horizontal_->value());
}

void ImportWindow::showRow(int row) {
    const double top = RowRange::rowTop(row);
    const double shownTop =
        -ScrollBarCheck::gridTop(vertical_->value()) + ScrollBarCheck::headerHeight;
    const double shownBottom =
        shownTop + frame_.viewport.height() - ScrollBarCheck::headerHeight - 420;
    if (top < shownTop || top > shownBottom)
        vertical_->setValue(qMax(0, int(top / ScrollBarCheck::step) - 2));
}

void ImportWindow::setHint(const QString& text) {
    hint_->setText(text);
    hintShadow_->setText(text);
}

QString ImportWindow::hint() const {
    return hint_->text();
}

void ImportWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (int i = 0; i < ImportFrameLayout::pieceCount; ++i) {
        const QRect target = screen::rect(frame_.pieces[std::size_t(i)]);
        if (target.isEmpty())
            continue;
        const int picture = framePicture[std::size_t(i)];
        p.drawImage(target, cached(pieceImages_[std::size_t(i)], target.size(), [picture](QSize s) {
                        return FramePictures::piece(picture, s);
                    }));
    }
    const QRect title = screen::rect(
        {titleLeft, 0, import_toolbar::band(import_toolbar::Import).left() - titleLeft - 30,
         ImportFrameLayout::pieceSizes()[1].height() - 30});
    p.drawImage(title, cached(titleImage_, title.size(),
                              [](QSize s) { return ImportPictures::title(s, texts::caption); }));
    for (int i = 0; i < import_toolbar::buttonCount; ++i) {
        const QRect face = faceRect(import_toolbar::Button(i));
        if (face.right() < captionGroup_->x())
            p.drawImage(face, cached(toolbarImages_[std::size_t(i)], face.size(), [i](QSize s) {
                            return FramePictures::toolbarButton(toolbarPicture[i],
                                                                FramePictures::Face::Normal, s);
                        }));
    }
    if (!isMaximized()) {
        const QRect target = screen::rect(frame_.pieces[7]);
        p.drawImage(target, cached(gripImage_, target.size(), FramePictures::resizeGrip));
    }
}

void ImportWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutFrame();
}

void ImportWindow::closeEvent(QCloseEvent* event) {
    // However the window goes (its close button, the desktop), its size is kept and the record
    // manager comes back.
    if (!closing_) {
        closing_ = true;
        model_->storePlacement(windowStateCode(), geometryTwips());
        emit closed();
    }
    event->accept();
}

// ------------------------------------------------------------------------- window gestures

void ImportWindow::toggleMaximised() {
    if (isMaximized())
        setWindowState(windowState() & ~Qt::WindowMaximized);
    else
        setWindowState(windowState() | Qt::WindowMaximized);
    layoutFrame();
    checkScrollBars();
}

void ImportWindow::parkToolbar(int shown) {
    for (int i = 0; i < import_toolbar::buttonCount; ++i) {
        PictureControl* b = toolbar_[std::size_t(i)];
        if (i == shown) {
            b->move(b->x(), 0);
            b->raise();
        } else {
            // Behind the grid viewport, at its top.
            b->move(b->x(), screen::pixels(frame_.viewport.top()));
            b->stackUnder(grid_);
        }
    }
}

void ImportWindow::setPointer(Pointer pointer) {
    pointer_ = pointer;
    showPointer(*this, pointer);
}

void ImportWindow::mousePressEvent(QMouseEvent* event) {
    press_ = screen::twipsOf(event->position());
    windowDrag_ = -1;
}

void ImportWindow::mouseReleaseEvent(QMouseEvent*) {
    setPointer(Pointer::Arrow);
    windowDrag_ = 0;
}

void ImportWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = screen::twipsOf(event->position());
    const Qt::MouseButtons buttons = event->buttons();
    const bool normal = !isMaximized() && !isMinimized();
    captionGroup_->clearHover();
    grid_->hidePopups();
    if (pointer_ == Pointer::SizeNwSe)
        setHint(texts::windowResize);
    else if (normal)
        setHint(texts::windowMove);

    const bool left = buttons & Qt::LeftButton;
    if (left && pointer_ == Pointer::SizeNwSe && !isMaximized()) {
        QRectF g = geometryTwips();
        QSizeF size = g.size();
        if (WindowGrip::drag(at, press_, size,
                             {ImportFrameLayout::minimumWidth, ImportFrameLayout::minimumHeight})) {
            g.setSize(size);
            setGeometryTwips(g);
            layoutFrame();
        }
    } else if (left && !isMaximized() && windowDrag_ == -1) {
        const QRectF g = geometryTwips();
        setGeometryTwips(g.translated(at - press_));
    }
    if (buttons == Qt::NoButton && normal)
        setPointer(WindowGrip::onGrip(at, geometryTwips().size()) ? Pointer::SizeNwSe
                                                                  : Pointer::Arrow);
    parkToolbar(import_toolbar::at(at));
}

} // namespace brevmark
