#pragma once

#include <QObject>

class QWidget;

namespace brevmark {

// Keeps the program's windows on the screen they open on: a window larger than the screen's
// free area is made to fit it (a window of fixed size gives way, and one laid out by hand then
// scrolls, WindowScroller), and a window whose place lies partly off the screen (a place
// remembered on a larger screen, or with another scale) is moved onto it, as each window shows.
// A window manager frames a window only after it shows: a framed window is fitted again, once,
// when its frame is known, so that its title bar counts too. Installed once on the application,
// it serves every window.
class ScreenFit : public QObject {
    Q_OBJECT
public:
    explicit ScreenFit(QObject* parent = nullptr);

    static void fit(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace brevmark
