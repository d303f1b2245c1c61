#include "platform/qt/WindowTwips.h"

#include "common/ScreenPixels.h"
#include "common/Twips.h"

#include <QWidget>

namespace brevmark::window_twips {

QRectF placement(const QWidget& window) {
    const QRect g =
        (window.isMaximized() || window.isMinimized()) && !window.normalGeometry().isEmpty()
            ? window.normalGeometry()
            : window.geometry();
    return {twips::fromPixels(g.x()), twips::fromPixels(g.y()), twips::fromPixels(g.width()),
            twips::fromPixels(g.height())};
}

void setGeometry(QWidget& window, const QRectF& t) {
    window.setGeometry(screen::pixels(t.left()), screen::pixels(t.top()), screen::pixels(t.width()),
                       screen::pixels(t.height()));
}

int stateCode(const QWidget& window) {
    if (window.isMinimized())
        return 1;
    if (window.isMaximized())
        return 2;
    return 0;
}

void place(QWidget& child, const QRectF& r) {
    child.setGeometry(screen::pixels(r.left()), screen::pixels(r.top()),
                      qMax(0, screen::pixels(r.width())), qMax(0, screen::pixels(r.height())));
}

} // namespace brevmark::window_twips
