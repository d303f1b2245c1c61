#pragma once

#include <QPointF>
#include <QRectF>

namespace brevmark {

// The two toolbar buttons on the import window's top edge: while the pointer is in a button's
// band on the window background its hover picture shows (top 0); otherwise both are parked
// behind the grid viewport.
namespace import_toolbar {

enum Button { None = -1, Import = 0, Save = 1 };
constexpr int buttonCount = 2;
constexpr double bandTop = 120;
constexpr double bandBottom = 420;

// `記憶匯入` for x in (2280, 4695), `儲存多筆資料` for x in (4710, 5805), y in (120, 420).
Button at(QPointF pointer);
QRectF band(Button button);

} // namespace import_toolbar

} // namespace brevmark
