#include "page/NumberKeyRule.h"

namespace brevmark {

bool NumberKeyRule::accepts(int key, const QString& text) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Backspace:
    case Qt::Key_Tab:
    case Qt::Key_Backtab: // Shift+Tab
    case Qt::Key_Escape:
        return true;
    default:
        return text.size() == 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9');
    }
}

} // namespace brevmark
