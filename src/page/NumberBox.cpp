#include "page/NumberBox.h"

#include "common/LeadingNumber.h"

#include <QKeyEvent>
#include <QTimer>

namespace brevmark {

NumberBox::NumberBox(const QString& objectName, const QString& text, int maxDigits, QWidget* parent)
    : QLineEdit(text, parent) {
    setObjectName(objectName);
    setMaxLength(maxDigits);
    setAlignment(Qt::AlignCenter);
}

bool NumberBox::accepts(int key, const QString& text) {
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

double NumberBox::value() const {
    return leadingNumber(text());
}

void NumberBox::keyPressEvent(QKeyEvent* e) {
    if (!accepts(e->key(), e->text())) {
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void NumberBox::keyReleaseEvent(QKeyEvent* e) {
    QLineEdit::keyReleaseEvent(e);
    if (!e->isAutoRepeat())
        emit keyReleased();
}

void NumberBox::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    // A click would place the cursor after this; select once the click is done.
    QTimer::singleShot(0, this, [this] { selectAll(); });
    selectAll();
}

} // namespace brevmark
