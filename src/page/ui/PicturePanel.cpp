#include "page/ui/PicturePanel.h"

#include "platform/UserMessage.h"

#include "common/ScreenPixels.h"
#include "common/Twips.h"
#include "page/ui/PanelSkin.h"
#include "page/ui/SkinButton.h"
#include "platform/PainterSurface.h"

#include <QEvent>
#include <QListWidget>
#include <QPainter>

namespace brevmark {

namespace {
// Layout in pixels: the list on the left, the preview to its right.
constexpr int padding = 8;
constexpr int listWidth = 118;
constexpr int listHeight = 86;
constexpr int buttonHeight = 22;
constexpr int previewLeft = padding * 2 + listWidth;
constexpr int previewTop = PanelSkin::headerHeight + padding;
} // namespace

PicturePanel::PicturePanel(PictureFolder& folder, MessageBoxes& messages, QWidget* parent)
    : QWidget(parent), folder_(folder), messages_(messages) {
    setObjectName(QStringLiteral("圖片讀取窗"));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("檔案清單"));
    list_->setGeometry(padding, previewTop, listWidth, listHeight);
    list_->setMouseTracking(true);
    list_->viewport()->installEventFilter(this);
    take_ = new SkinButton(SkinButton::Kind::Push, QStringLiteral("確定此圖"),
                           QStringLiteral("確定此圖"), this);
    delete_ = new SkinButton(SkinButton::Kind::Push, QStringLiteral("刪除此圖"),
                             QStringLiteral("刪除此圖"), this);
    const int buttonsTop = previewTop + listHeight + padding;
    const int buttonWidth = (listWidth - padding) / 2;
    take_->setGeometry(padding, buttonsTop, buttonWidth, buttonHeight);
    delete_->setGeometry(padding * 2 + buttonWidth, buttonsTop, buttonWidth, buttonHeight);
    close_ = new SkinButton(SkinButton::Kind::Close, QStringLiteral("關閉窗"), QString(), this, 6);

    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { previewRow(list_->row(item)); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        // The first click of the double click has previewed it already.
        if (folder_.chosenRow() != list_->row(item))
            previewRow(list_->row(item));
        takePicture();
    });
    connect(take_, &QAbstractButton::clicked, this, &PicturePanel::takePicture);
    connect(delete_, &QAbstractButton::clicked, this, &PicturePanel::deletePicture);
    resizeToPreview();
    syncCommands();
    hide();
}

void PicturePanel::setTakeHandler(std::function<void(const PictureFolder::TakenPicture&)> h) {
    takeHandler_ = std::move(h);
}

void PicturePanel::setHintSink(std::function<void(const QString&)> sink) {
    hintSink_ = std::move(sink);
}

void PicturePanel::refresh(const QString& fileName) {
    list_->clear();
    list_->addItems(folder_.names());
    if (!fileName.isEmpty()) {
        const int row = folder_.indexOf(fileName);
        if (row >= 0)
            list_->setCurrentRow(row);
    }
    syncCommands();
}

void PicturePanel::open(QPoint topLeftPixels, const QString& fileName) {
    refresh(fileName);
    move(topLeftPixels);
    show();
    raise();
}

QRectF PicturePanel::previewRectTwips() const {
    const QSizeF natural =
        folder_.previewPicture().isNull() ? QSizeF() : folder_.previewPicture().naturalSize();
    return QRectF(twips::fromPixels(previewLeft), twips::fromPixels(previewTop), natural.width(),
                  natural.height());
}

void PicturePanel::previewRow(int row) {
    folder_.preview(row);
    for (const UserMessage& message : folder_.takeMessages())
        tell(messages_, message);
    // A damaged file has left the folder's list; show what is left.
    if (list_->count() != folder_.names().size())
        refresh();
    resizeToPreview();
    syncCommands();
    update();
}

void PicturePanel::takePicture() {
    const auto taken = folder_.take();
    if (!taken)
        return;
    if (takeHandler_)
        takeHandler_(*taken);
    hide();
}

void PicturePanel::deletePicture() {
    // With no entry chosen there is no file to name; asking about "【】" would delete nothing.
    const QString name = folder_.chosenName();
    if (name.isEmpty() ||
        !messages_.confirm(PictureFolder::deleteTitle(), PictureFolder::deleteQuestion(name)))
        return;
    if (folder_.deleteChosen())
        refresh();
    for (const UserMessage& message : folder_.takeMessages())
        tell(messages_, message);
    resizeToPreview();
    syncCommands();
    update();
}

void PicturePanel::syncCommands() {
    take_->setVisible(folder_.takeVisible());
    delete_->setVisible(folder_.deleteVisible());
}

void PicturePanel::resizeToPreview() {
    const QSizeF size = PictureFolder::panelSize(previewRectTwips());
    resize(screen::pixels(size.width()), screen::pixels(size.height()));
}

void PicturePanel::resizeEvent(QResizeEvent*) {
    close_->setGeometry(width() - 26, 3, 20, 20);
}

void PicturePanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PanelSkin::paintPanel(p, rect(), QStringLiteral("圖片讀取"));
    const Picture& picture = folder_.previewPicture();
    if (picture.isNull())
        return;
    // The panel is laid out in screen pixels of 15 twips.
    PainterSurface surface(&p, twips::perInch / twips::perPixel);
    surface.drawPicture(picture, previewRectTwips());
}

bool PicturePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->viewport() && event->type() == QEvent::MouseMove && hintSink_)
        hintSink_(folder_.listHint());
    return QWidget::eventFilter(watched, event);
}

} // namespace brevmark
