#include "page/ui/TextLabelWidget.h"

#include "common/Twips.h"
#include "platform/PainterSurface.h"

#include <QPainter>

namespace brevmark {

TextLabelWidget::TextLabelWidget(int itemIndex, int number, QWidget* item)
    : TagWidget(TagKind::Label, itemIndex, number, item) {}

void TextLabelWidget::showLabel(const TextLabelItem& label) {
    label_ = label;
    setRectTwips(QRectF(label.left, label.top, label.width, label.height));
}

void TextLabelWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PainterSurface surface(&p, twips::perInch / twips::perPixel);
    surface.drawText(QPointF(0, 0), label_.caption, label_.font(), QColor(label_.foreColour));
}

} // namespace brevmark
