#pragma once

#include <QLineEdit>

namespace brevmark {

class BarcodeEntryValidator;

// The barcode text box `條碼輸入` of the edit panel. What it takes is decided by its validator
// alone, for keys, pastes, drops and input methods alike: barcode characters (lower case
// included) and no more than 20 of them when typed. A typed key therefore goes from the box
// straight to whoever listens to textEdited.
class BarcodeEntryBox : public QLineEdit {
    Q_OBJECT
public:
    explicit BarcodeEntryBox(QWidget* parent);

    // Puts a text into the box whole, however long (typing stops at 20). Not an edit: no
    // textEdited.
    void putText(const QString& text);

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    BarcodeEntryValidator* validator_;
};

} // namespace brevmark
