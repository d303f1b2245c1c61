#include "shell/AlignmentBridge.h"

#include "alignment/AlignmentGuides.h"
#include "alignment/ui/AlignmentWindow.h"
#include "alignment/ui/GuideHandleWidget.h"
#include "page/ui/PageEditor.h"
#include "page/ui/PageWidget.h"
#include "shell/MainWindow.h"

#include <QScreen>

namespace brevmark {

AlignmentBridge::AlignmentBridge(MainWindow& window)
    : QObject(&window), main_(window),
      guides_(new AlignmentGuides(
          window.settings(), *this, window.pageEditor().model().pointer,
          [&window](const QString& hint) { window.setHint(hint); }, this)),
      handle_(new GuideHandleWidget(*guides_, window.pageEditor().pageWidget())) {}

void AlignmentBridge::openWindow() {
    if (window_)
        window_->close();
    // A window of its own, owned by the main window.
    auto* w = new AlignmentWindow(*guides_, &main_);
    window_ = w;
    // Over the main window, where the user was looking, but whole on its screen.
    const QRect main = main_.frameGeometry();
    QPoint at = main.center() - QPoint(w->width() / 2, w->height() / 2);
    if (const QScreen* screen = main_.screen()) {
        const QRect room = screen->availableGeometry();
        at.setX(qBound(room.left(), at.x(), qMax(room.left(), room.right() + 1 - w->width())));
        at.setY(qBound(room.top(), at.y(), qMax(room.top(), room.bottom() + 1 - w->height())));
    }
    w->move(at);
    connect(w, &AlignmentWindow::formatChosen, this, [this, w](int format) {
        guides_->choose(format);
        w->close();
    });
    main_.showChildWindow(w);
    w->activateWindow();
    w->setFocus();
}

void AlignmentBridge::hideHandle() {
    guides_->hideHandle();
}

void AlignmentBridge::repaintPaper() {
    const LabelPage& page = main_.pageEditor().model().page();
    main_.pageEditor().pageWidget()->paintPaper(QSizeF(page.width, page.height));
}

DrawingSurface& AlignmentBridge::overlay() {
    return main_.pageEditor().overlay();
}

} // namespace brevmark
