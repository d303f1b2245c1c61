#include "alignment/AlignmentGuides.h"

#include "alignment/GuideOffset.h"
#include "alignment/GuidePage.h"
#include "alignment/GuidePicture.h"
#include "alignment/SheetFormat.h"
#include "page/PointerState.h"
#include "platform/DrawingSurface.h"
#include "platform/Picture.h"
#include "records/SettingsStore.h"

namespace brevmark {

AlignmentGuides::AlignmentGuides(SettingsStore& store, GuidePage& page, PointerState& pointer,
                                 std::function<void(const QString&)> setHint, QObject* parent)
    : QObject(parent), store_(store), page_(page), pointer_(pointer), setHint_(std::move(setHint)) {
}

QString AlignmentGuides::handleHint() {
    return QStringLiteral("表格參考位置錯誤 可以移動修改 (按下滑鼠右鍵，移動調整 對齊表格)");
}

const QImage& AlignmentGuides::picture(const SheetFormat& format) {
    auto it = pictures_.find(format.number);
    if (it == pictures_.end())
        it = pictures_.insert(format.number, GuidePicture::draw(format));
    return *it;
}

void AlignmentGuides::paintGuide(const SheetFormat& format, QPointF at) {
    page_.repaintPaper();
    const QSizeF size = format.pictureTwips();
    page_.overlay().drawPicture(Picture::fromImage(picture(format), size), QRectF(at, size));
}

void AlignmentGuides::choose(int number) {
    const SheetFormat* format = SheetFormats::find(number);
    if (!format)
        return;
    const QPointF at = GuideOffset::read(store_, *format);
    paintGuide(*format, at);
    tag_ = number;
    handle_ = at;
    handleVisible_ = true;
    emit handleChanged();
}

void AlignmentGuides::handlePress(QPointF at) {
    pointer_.press(at);
}

void AlignmentGuides::handleMove(QPointF at, bool leftButtonDown) {
    if (!pointer_.drags(leftButtonDown)) {
        if (setHint_)
            setHint_(handleHint());
        return;
    }
    QPointF next = handle_;
    const double dy = at.y() - pointer_.pressY;
    if (dy > dragThreshold || dy < -dragThreshold)
        next.setY(float(next.y() + dy));
    const double dx = at.x() - pointer_.pressX;
    if (dx > dragThreshold || dx < -dragThreshold)
        next.setX(float(next.x() + dx));
    if (next.y() < snapToEdgeBelow)
        next.setY(0);
    if (next.x() < snapToEdgeBelow)
        next.setX(0);
    next.setY(qMin(next.y(), GuideOffset::largest));
    next.setX(qMin(next.x(), GuideOffset::largest));
    if (next != handle_) {
        handle_ = next;
        emit handleChanged();
    }
}

void AlignmentGuides::handleRelease() {
    if (const SheetFormat* format = SheetFormats::find(tag_)) {
        paintGuide(*format, handle_);
        store_.set(GuideOffset::key(tag_), GuideOffset::text(handle_));
    }
    pointer_.release();
}

void AlignmentGuides::hideHandle() {
    if (!handleVisible_)
        return;
    handleVisible_ = false;
    emit handleChanged();
}

} // namespace brevmark
