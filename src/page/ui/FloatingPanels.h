#pragma once

#include "page/FloatingPanel.h"

#include <initializer_list>

class QWidget;

namespace brevmark {

// The floating panels among the children of one parent, the main window's client area, found by
// their id in the panel table. A panel that has not been made yet is simply not found.
class FloatingPanels {
public:
    explicit FloatingPanels(QWidget* parent) : parent_(parent) {}

    QWidget* find(FloatingPanel id) const;
    void hide(FloatingPanel id) const;
    void hide(std::initializer_list<FloatingPanel> ids) const;
    // `關閉功能窗`: hides every panel the table closes together.
    void closeAll() const;
    // Hides the panels whose entered flag is 1.
    void hideEntered() const;
    // `功能窗排列`: from `topTwips` down, each shown panel of the stack at left 255, 120 twips
    // apart, then the print quantity panel below them, shown. All in front.
    void stack(double topTwips) const;

private:
    QWidget* parent_;
};

} // namespace brevmark
