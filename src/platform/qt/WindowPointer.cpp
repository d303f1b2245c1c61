#include "platform/qt/WindowPointer.h"

#include <QWidget>

namespace brevmark {

void showPointer(QWidget& window, WindowPointer pointer) {
    switch (pointer) {
    case WindowPointer::SizeNwSe:
        window.setCursor(Qt::SizeFDiagCursor);
        break;
    case WindowPointer::Arrow:
        window.setCursor(Qt::ArrowCursor);
        break;
    case WindowPointer::Default:
        window.unsetCursor();
        break;
    }
}

} // namespace brevmark
