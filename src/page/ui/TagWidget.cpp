#include "page/ui/TagWidget.h"

#include "common/ScreenPixels.h"

#include "common/Rounding.h"
#include "common/Twips.h"

#include <QMouseEvent>

namespace brevmark {

namespace {} // namespace

TagWidget::TagWidget(TagKind kind, int itemIndex, int number, QWidget* item)
    : QWidget(item), kind_(kind), itemIndex_(itemIndex), number_(number) {
    setObjectName(kind == TagKind::Label ? QStringLiteral("文字籤") : QStringLiteral("圖形籤"));
    setProperty("item", itemIndex);
    setProperty("index", number);
    setMouseTracking(true);
}

void TagWidget::setRectTwips(const QRectF& r) {
    setGeometry(screen::pixels(r.left()), screen::pixels(r.top()),
                qMax(1, screen::pixels(r.width())), qMax(1, screen::pixels(r.height())));
    update();
}

void TagWidget::mousePressEvent(QMouseEvent* e) {
    emit pressed(kind_, itemIndex_, number_, e->button(), screen::twipsOf(e->position()));
}

void TagWidget::mouseMoveEvent(QMouseEvent* e) {
    emit moved(kind_, itemIndex_, number_, e->buttons(), screen::twipsOf(e->position()));
}

void TagWidget::mouseReleaseEvent(QMouseEvent* e) {
    emit released(kind_, itemIndex_, number_, e->button(), screen::twipsOf(e->position()));
}

void TagWidget::mouseDoubleClickEvent(QMouseEvent*) {
    emit doubleClicked(kind_, itemIndex_, number_);
}

} // namespace brevmark
