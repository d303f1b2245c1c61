#include "import/ui/CellFrame.h"

#include <QPainter>

namespace brevmark {

CellFrame::CellFrame(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("待輸入框"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setProperty("tag", QString());
}

void CellFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(QColor(0, 48, 166), 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(QPen(QColor(43, 208, 228), 1));
    p.drawRect(rect().adjusted(1, 1, -2, -2));
}

} // namespace brevmark
