#include "page/ui/FocusCycle.h"

#include <QApplication>
#include <QWidget>

namespace brevmark {

bool FocusCycle::move(const QList<QWidget*>& controls, bool next) {
    const qsizetype count = controls.size();
    if (count == 0)
        return false;
    // The focus may sit in a part of a control (the text box of an editable list).
    qsizetype current = -1;
    for (QWidget* focus = QApplication::focusWidget(); focus && current < 0;
         focus = focus->parentWidget())
        current = controls.indexOf(focus);
    for (qsizetype step = 1; step <= count; ++step) {
        const qsizetype at = current < 0 ? (next ? step - 1 : count - step)
                                         : (current + (next ? step : -step) + count) % count;
        QWidget* w = controls.at(at);
        // The list decides, not the focus policy: Qt takes Tab away from the unchecked options
        // of an exclusive group, and the panel wants every option visited.
        if (w->isVisible() && w->isEnabled()) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

} // namespace brevmark
