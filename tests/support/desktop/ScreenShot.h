#pragma once

#include <QImage>
#include <QString>

namespace brevmark::test {

// The whole screen as the user sees it, the window manager's frames and all, at the screen's own
// pixels. With BREVMARK_KEEP_SCREENSHOTS naming a folder, a copy is kept there as a PNG named
// after the running test and `step`, to be looked at.
QImage screenShot(const QString& step);

} // namespace brevmark::test
