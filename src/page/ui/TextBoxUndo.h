#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QKeyEvent;
class QLineEdit;
class QWidget;

namespace brevmark {

// Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z inside the text boxes of one window. A box whose text belongs
// to the page (the barcode text box, the label text box) leaves the keys to the page history,
// whose steps hold what was typed there, so that the box and the page never take back different
// things. Any other box takes back its own typing first, and leaves the keys to the page history
// once it has nothing left to take back or to do again.
class TextBoxUndo : public QObject {
    Q_OBJECT
public:
    TextBoxUndo(QWidget* window, QObject* parent);
    void addPageBox(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Key { Other, Undo, Redo };
    static Key keyOf(const QKeyEvent* event);
    bool isPageBox(const QLineEdit* box) const;

    QWidget* window_;
    QList<QPointer<QLineEdit>> pageBoxes_;
};

} // namespace brevmark
