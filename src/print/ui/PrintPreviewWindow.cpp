#include "print/ui/PrintPreviewWindow.h"

#include "common/Twips.h"
#include "platform/PreviewPrinter.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace brevmark {

namespace {
constexpr double minimumZoom = 0.25;
constexpr double maximumZoom = 8.0;
constexpr double zoomStep = 1.25;
// Grey around the paper, as a desk under the sheet.
const QColor desk(128, 128, 128);
constexpr int paperMargin = 12;
} // namespace

// The current page at the zoom, on the desk, drawn at the screen's own resolution.
class PrintPreviewWindow::PageView : public QWidget {
public:
    explicit PageView(PrintPreviewWindow& window) : window_(window) {
        setObjectName(QStringLiteral("預覽頁面"));
        setAutoFillBackground(false);
    }
    double pixelsPerTwip() const { return window_.zoom() / twips::perPixel; }
    QSize sizeHint() const override {
        const QSizeF page = window_.pages().pageTwips() * pixelsPerTwip();
        return QSize(qCeil(page.width()) + 2 * paperMargin, qCeil(page.height()) + 2 * paperMargin);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), desk);
        p.translate(paperMargin, paperMargin);
        window_.pages().paintPage(p, window_.currentPage(), pixelsPerTwip());
    }

private:
    PrintPreviewWindow& window_;
};

PrintPreviewWindow::PrintPreviewWindow(std::unique_ptr<PreviewPrinter> pages, QWidget* parent)
    : QWidget(parent, Qt::Window), pages_(std::move(pages)) {
    setObjectName(QStringLiteral("列印預覽"));
    setWindowTitle(QStringLiteral("列印預覽"));
    setAttribute(Qt::WA_DeleteOnClose);

    view_ = new PageView(*this);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("預覽捲軸"));
    scroll->setWidget(view_);
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setBackgroundRole(QPalette::Dark);

    auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromUtf8(name));
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    previous_ = button("上一頁", "◀ 上一頁");
    next_ = button("下一頁", "下一頁 ▶");
    QPushButton* zoomIn = button("放大", "放大");
    QPushButton* zoomOut = button("縮小", "縮小");
    QPushButton* print = button("預覽列印", "列印");
    QPushButton* close = button("關閉預覽", "關閉");
    pageLabel_ = new QLabel(this);
    pageLabel_->setObjectName(QStringLiteral("預覽頁碼"));

    auto* bar = new QHBoxLayout;
    bar->addWidget(previous_);
    bar->addWidget(pageLabel_);
    bar->addWidget(next_);
    bar->addSpacing(16);
    bar->addWidget(zoomOut);
    bar->addWidget(zoomIn);
    bar->addStretch();
    bar->addWidget(print);
    bar->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(scroll, 1);

    connect(previous_, &QPushButton::clicked, this, [this] { showPage(page_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { showPage(page_ + 1); });
    connect(zoomIn, &QPushButton::clicked, this, [this] { setZoom(zoom_ * zoomStep); });
    connect(zoomOut, &QPushButton::clicked, this, [this] { setZoom(zoom_ / zoomStep); });
    connect(print, &QPushButton::clicked, this, [this] {
        emit printRequested();
        QWidget::close();
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    // A label fills much of the window; a sheet of paper shows whole across.
    const QSizeF page = pages_->pageTwips() / twips::perPixel;
    if (!page.isEmpty() && page.width() < 400)
        zoom_ = std::min(maximumZoom, 400 / page.width());
    resize(720, 640);
    refresh();
}

PrintPreviewWindow::~PrintPreviewWindow() = default;

int PrintPreviewWindow::pageCount() const {
    return pages_->pageCount();
}

void PrintPreviewWindow::showPage(int index) {
    if (index < 0 || index >= pageCount())
        return;
    page_ = index;
    refresh();
}

void PrintPreviewWindow::setZoom(double zoom) {
    zoom_ = std::clamp(zoom, minimumZoom, maximumZoom);
    refresh();
}

void PrintPreviewWindow::refresh() {
    pageLabel_->setText(QStringLiteral("第 %1 / %2 頁").arg(pageCount() ? page_ + 1 : 0).arg(pageCount()));
    previous_->setEnabled(page_ > 0);
    next_->setEnabled(page_ + 1 < pageCount());
    view_->resize(view_->sizeHint());
    view_->update();
}

void PrintPreviewWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_PageDown:
    case Qt::Key_Right:
        showPage(page_ + 1);
        break;
    case Qt::Key_PageUp:
    case Qt::Key_Left:
        showPage(page_ - 1);
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        setZoom(zoom_ * zoomStep);
        break;
    case Qt::Key_Minus:
        setZoom(zoom_ / zoomStep);
        break;
    case Qt::Key_Escape:
        close();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace brevmark
