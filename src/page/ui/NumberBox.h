#pragma once

#include <QLineEdit>

namespace brevmark {

// A number entry box: only the digits and Enter, Backspace, Tab and Escape pass; every other key
// is dropped. The whole text is selected when the box gets the focus.
class NumberBox : public QLineEdit {
    Q_OBJECT
public:
    NumberBox(const QString& objectName, const QString& text, int maxDigits, QWidget* parent);

    // The key rule, by key code and typed text.
    static bool accepts(int key, const QString& text);
    // The box's number value (its leading number).
    double value() const;

signals:
    void keyReleased();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace brevmark
