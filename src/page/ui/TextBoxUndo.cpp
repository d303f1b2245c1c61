#include "page/ui/TextBoxUndo.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace brevmark {

TextBoxUndo::TextBoxUndo(QWidget* window, QObject* parent) : QObject(parent), window_(window) {
    // The keys reach a box before any filter of its window could see them.
    QCoreApplication::instance()->installEventFilter(this);
}

void TextBoxUndo::addPageBox(QLineEdit* box) {
    pageBoxes_.append(box);
}

bool TextBoxUndo::isPageBox(const QLineEdit* box) const {
    for (const QPointer<QLineEdit>& page : pageBoxes_)
        if (page == box)
            return true;
    return false;
}

TextBoxUndo::Key TextBoxUndo::keyOf(const QKeyEvent* event) {
    const Qt::KeyboardModifiers mods =
        event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    if (event->key() == Qt::Key_Z && mods == Qt::ControlModifier)
        return Key::Undo;
    if ((event->key() == Qt::Key_Z && mods == (Qt::ControlModifier | Qt::ShiftModifier)) ||
        (event->key() == Qt::Key_Y && mods == Qt::ControlModifier))
        return Key::Redo;
    return Key::Other;
}

bool TextBoxUndo::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return false;
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box || box->window() != window_)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const Key which = keyOf(key);
    if (which == Key::Other)
        return false;
    const bool ownStep = !isPageBox(box) && !box->isReadOnly() &&
                         (which == Key::Undo ? box->isUndoAvailable() : box->isRedoAvailable());
    if (type == QEvent::ShortcutOverride) {
        // Accepted: the key goes to the box; ignored: the window's undo or redo runs.
        key->setAccepted(ownStep);
        return true;
    }
    // The key press itself, once the box kept the key (or no shortcut took it).
    if (ownStep) {
        if (which == Key::Undo)
            box->undo();
        else
            box->redo();
    }
    return true;
}

} // namespace brevmark
