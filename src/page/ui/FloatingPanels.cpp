#include "page/ui/FloatingPanels.h"

#include "common/ScreenPixels.h"
#include "common/Twips.h"

#include <QVariant>
#include <QWidget>

namespace brevmark {

namespace {
constexpr double stackLeft = 255;
constexpr double stackGap = 120;
} // namespace

QWidget* FloatingPanels::find(FloatingPanel id) const {
    return parent_->findChild<QWidget*>(FloatingPanelTable::objectName(id),
                                        Qt::FindDirectChildrenOnly);
}

void FloatingPanels::hide(FloatingPanel id) const {
    if (QWidget* panel = find(id))
        panel->hide();
}

void FloatingPanels::hide(std::initializer_list<FloatingPanel> ids) const {
    for (FloatingPanel id : ids)
        hide(id);
}

void FloatingPanels::closeAll() const {
    for (FloatingPanel id : FloatingPanelTable::closedWithOthers())
        hide(id);
}

void FloatingPanels::hideEntered() const {
    for (FloatingPanel id : FloatingPanelTable::withEnteredFlag()) {
        QWidget* panel = find(id);
        if (panel && panel->property("entered").toInt() == 1)
            panel->hide();
    }
}

void FloatingPanels::stack(double topTwips) const {
    double y = topTwips;
    for (FloatingPanel id : FloatingPanelTable::stackingOrder()) {
        QWidget* panel = find(id);
        if (!panel || panel->isHidden())
            continue;
        panel->move(screen::pixels(stackLeft), screen::pixels(y));
        panel->raise();
        y = twips::fromPixels(panel->y() + panel->height()) + stackGap;
    }
    if (QWidget* quantity = find(FloatingPanel::PrintQuantity)) {
        quantity->move(screen::pixels(stackLeft), screen::pixels(y));
        quantity->show();
        quantity->raise();
    }
}

} // namespace brevmark
