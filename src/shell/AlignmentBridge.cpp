#include "shell/AlignmentBridge.h"

#include "alignment/AlignmentGuides.h"
#include "alignment/ui/AlignmentWindow.h"
#include "alignment/ui/GuideHandleWidget.h"
#include "page/PageEditor.h"
#include "page/PageWidget.h"
#include "shell/MainWindow.h"

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
    // Over the main window, where the user was looking.
    const QRect main = main_.frameGeometry();
    w->move(main.center() - QPoint(w->width() / 2, w->height() / 2));
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
    const LabelPage& page = main_.pageEditor().model().page;
    main_.pageEditor().pageWidget()->paintPaper(QSizeF(page.width, page.height));
}

DrawingSurface& AlignmentBridge::overlay() {
    return main_.pageEditor().overlay();
}

} // namespace brevmark
