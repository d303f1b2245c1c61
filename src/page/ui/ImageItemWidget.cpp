#include "page/ui/ImageItemWidget.h"

#include "common/Twips.h"
#include "platform/PainterSurface.h"

#include <QPainter>
#include <QPainterPath>

namespace brevmark {

ImageItemWidget::ImageItemWidget(int itemIndex, int number, QWidget* item)
    : TagWidget(TagKind::Image, itemIndex, number, item) {}

void ImageItemWidget::showImage(const ImageItem& image, const Picture& picture) {
    picture_ = picture;
    setRectTwips(QRectF(image.left, image.top, image.width, image.height));
}

void ImageItemWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!picture_.isNull()) {
        PainterSurface surface(&p, twips::perInch / twips::perPixel);
        surface.drawPicture(picture_, QRectF(QPointF(0, 0), QSizeF(size()) * twips::perPixel));
        return;
    }
    // Placeholder: a framed landscape, until a picture is chosen.
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(234, 240, 250));
    p.setPen(QPen(QColor(120, 140, 180), 1, Qt::DashLine));
    p.drawRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(246, 190, 60));
    const double s = qMin(r.width(), r.height());
    p.drawEllipse(QPointF(r.left() + r.width() * 0.7, r.top() + r.height() * 0.3), s * 0.1,
                  s * 0.1);
    QPainterPath hills;
    hills.moveTo(r.left() + 1, r.bottom() - 1);
    hills.lineTo(r.left() + r.width() * 0.35, r.top() + r.height() * 0.45);
    hills.lineTo(r.left() + r.width() * 0.6, r.bottom() - r.height() * 0.25);
    hills.lineTo(r.left() + r.width() * 0.75, r.top() + r.height() * 0.6);
    hills.lineTo(r.right() - 1, r.bottom() - 1);
    hills.closeSubpath();
    p.setBrush(QColor(88, 150, 110));
    p.drawPath(hills);
}

} // namespace brevmark
