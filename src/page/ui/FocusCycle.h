#pragma once

#include <QList>

class QWidget;

namespace brevmark {

// Keeps Tab inside a panel: the focus goes to the next (or previous) control of the panel's list,
// in the order a reader meets them, skipping hidden and disabled ones and wrapping around. Every
// control of the list is visited, the unchecked options of a group too.
class FocusCycle {
public:
    // False when no control of the list can take the focus.
    static bool move(const QList<QWidget*>& controls, bool next);
};

} // namespace brevmark
