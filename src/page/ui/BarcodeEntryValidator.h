#pragma once

#include <QValidator>

class QLineEdit;

namespace brevmark {

// What the barcode text box `條碼輸入` takes from typing and pasting: barcode characters only, and
// no more than 20 of them. A longer text put into the box by the program (from a record or a
// format) stays whole; an edit of it may shorten it but not make it longer than it is.
class BarcodeEntryValidator : public QValidator {
    Q_OBJECT
public:
    static constexpr int typedLimit = 20;

    explicit BarcodeEntryValidator(QLineEdit* box);
    State validate(QString& input, int& position) const override;
    // Call before the program puts a text into the box, so that a text longer than 20 characters
    // is taken as it is.
    void admit(const QString& text) { before_ = text; }

private:
    // The box's text before the edit being checked (the box itself already shows the edit then).
    QString before_;
};

} // namespace brevmark
