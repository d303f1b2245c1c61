#include "ProgramLoop.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace brevmark::test {

namespace {

// Every way the application quits goes through a Quit event to the application object. It is
// noted and kept from the application, which would otherwise close and delete every window under
// the steps still running in them.
class QuitWatch : public QObject {
public:
    bool quit = false;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != qApp || event->type() != QEvent::Quit)
            return false;
        quit = true;
        return true;
    }
};

} // namespace

bool stepsKeepTheProgramRunning(const std::function<void()>& steps) {
    QuitWatch watch;
    qApp->installEventFilter(&watch);
    QTimer::singleShot(0, qApp, [&steps] {
        steps();
        QCoreApplication::exit(0);
    });
    QApplication::exec();
    qApp->removeEventFilter(&watch);
    return !watch.quit;
}

} // namespace brevmark::test
