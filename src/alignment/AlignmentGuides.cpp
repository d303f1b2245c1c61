#include "alignment/AlignmentGuides.h"

#include "alignment/GuideOffset.h"
#include "alignment/GuidePage.h"
#include "alignment/GuidePicture.h"
#include "alignment/SheetFormat.h"
#include "alignment/SheetPaper.h"
#include "common/Twips.h"
#include "page/PointerState.h"
#include "platform/DrawingSurface.h"
#include "platform/Picture.h"
#include "records/SettingsKeys.h"
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

void AlignmentGuides::paintSheetGuide(QPointF at) {
    page_.repaintPaper();
    const QSizeF size(twips::fromPixels(sheetPicture_.width()),
                      twips::fromPixels(sheetPicture_.height()));
    page_.overlay().drawPicture(Picture::fromImage(sheetPicture_, size), QRectF(at, size));
}

void AlignmentGuides::showHandle(int tag, QPointF at) {
    tag_ = tag;
    handle_ = at;
    handleVisible_ = true;
    emit handleChanged();
}

void AlignmentGuides::choose(int number) {
    const SheetFormat* format = SheetFormats::find(number);
    if (!format)
        return;
    const QPointF at = GuideOffset::read(store_, *format);
    paintGuide(*format, at);
    showHandle(number, at);
}

bool AlignmentGuides::chooseSheet(const LabelTemplate& sheet) {
    const std::optional<SheetPaper> paper = SheetPaper::of(sheet);
    if (!paper)
        return false;
    // The paper first: laying the page out anew erases the overlay and hides the handle.
    page_.usePaper(paper->paper, paper->landscape);
    const QPointF at = GuideOffset::readSheet(store_, sheet);
    const QString name = GuideOffset::storedName(sheet);
    if (store_.value(settings_keys::alignmentSheet) != name) {
        store_.set(settings_keys::alignmentSheet, name);
        store_.set(settings_keys::alignmentSheetOffset, GuideOffset::text(at));
    }
    sheet_ = sheet;
    sheetPicture_ = GuidePicture::draw(sheet);
    paintSheetGuide(at);
    showHandle(databaseSheetTag, at);
    return true;
}

const LabelTemplate* AlignmentGuides::chosenSheet() const {
    return tag_ == databaseSheetTag && sheet_ ? &*sheet_ : nullptr;
}

QPointF AlignmentGuides::sheetShift() const {
    if (const LabelTemplate* sheet = chosenSheet())
        return handle_ - GuideOffset::sheetDefault(*sheet);
    return {};
}

QPointF AlignmentGuides::largestOffset() const {
    if (const LabelTemplate* sheet = chosenSheet())
        return GuideOffset::sheetLargest(*sheet);
    return {GuideOffset::largest, GuideOffset::largest};
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
    const QPointF largest = largestOffset();
    next.setY(qMin(next.y(), largest.y()));
    next.setX(qMin(next.x(), largest.x()));
    if (next != handle_) {
        handle_ = next;
        emit handleChanged();
    }
}

void AlignmentGuides::handleRelease() {
    if (const SheetFormat* format = SheetFormats::find(tag_)) {
        paintGuide(*format, handle_);
        store_.set(GuideOffset::key(tag_), GuideOffset::text(handle_));
    } else if (chosenSheet()) {
        paintSheetGuide(handle_);
        store_.set(settings_keys::alignmentSheetOffset, GuideOffset::text(handle_));
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
