#pragma once

#include <QRectF>

class QWidget;

namespace brevmark::window_twips {

// Where a top-level window stands, in twips: its normal place while it is maximised or
// minimised, which is what the settings keep.
QRectF placement(const QWidget& window);

void setGeometry(QWidget& window, const QRectF& twipsRect);

// The window state as the settings store it: 0 normal, 1 minimised, 2 maximised.
int stateCode(const QWidget& window);

// A child's rectangle from a frame layout in twips; sizes below zero are none.
void place(QWidget& child, const QRectF& twipsRect);

} // namespace brevmark::window_twips
