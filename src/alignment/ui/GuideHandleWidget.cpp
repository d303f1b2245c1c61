#include "alignment/ui/GuideHandleWidget.h"

#include "alignment/AlignmentGuides.h"
#include "alignment/ui/AlignmentPictures.h"
#include "common/ScreenPixels.h"

namespace brevmark {

GuideHandleWidget::GuideHandleWidget(AlignmentGuides& guides, QWidget* page)
    : PictureControl(QStringLiteral("修改對齊位置"), page), guides_(guides) {
    resize(screen::pixels(sideTwips), screen::pixels(sideTwips));
    setPicture(AlignmentPictures::handle(size()));
    setCursor(Qt::SizeAllCursor);
    hide();
    connect(this, &PictureControl::pressed, this,
            [this](QPointF at, Qt::MouseButton) { guides_.handlePress(at); });
    connect(this, &PictureControl::moved, this, [this](QPointF at, Qt::MouseButtons buttons) {
        guides_.handleMove(at, buttons & Qt::LeftButton);
    });
    connect(this, &PictureControl::released, this,
            [this](QPointF, Qt::MouseButton, bool) { guides_.handleRelease(); });
    connect(&guides_, &AlignmentGuides::handleChanged, this, &GuideHandleWidget::follow);
}

void GuideHandleWidget::follow() {
    move(screen::point(guides_.handlePosition()));
    setVisible(guides_.isHandleVisible());
    raise();
}

} // namespace brevmark
