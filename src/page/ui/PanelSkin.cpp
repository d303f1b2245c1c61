#include "page/ui/PanelSkin.h"

#include <QLinearGradient>
#include <QPainter>

namespace brevmark {

QFont PanelSkin::font(int pointSize, bool bold) {
    QFont f(QStringLiteral("新細明體"));
    f.setPointSize(pointSize);
    f.setBold(bold);
    return f;
}

void PanelSkin::paintPanel(QPainter& p, const QRect& rect, const QString& title) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(168, 182, 206), 1));
    p.setBrush(QColor(250, 251, 253));
    p.drawRoundedRect(r, 7, 7);

    QRectF header(r.left(), r.top(), r.width(), headerHeight);
    QLinearGradient g(header.topLeft(), header.bottomLeft());
    g.setColorAt(0, QColor(61, 126, 245));
    g.setColorAt(1, QColor(38, 96, 214));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.save();
    p.setClipRect(header);
    p.drawRoundedRect(r, 7, 7);
    p.restore();
    p.setPen(Qt::white);
    p.setFont(font(9, true));
    p.drawText(header.adjusted(10, 0, -30, 0), Qt::AlignVCenter | Qt::AlignLeft, title);
    p.restore();
}

} // namespace brevmark
