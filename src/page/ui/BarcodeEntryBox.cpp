#include "page/ui/BarcodeEntryBox.h"

#include "page/ui/BarcodeEntryValidator.h"

namespace brevmark {

BarcodeEntryBox::BarcodeEntryBox(QWidget* parent)
    : QLineEdit(parent), validator_(new BarcodeEntryValidator(this)) {
    setObjectName(QStringLiteral("條碼輸入"));
    // The validator, not a maximum length: a longer text the program puts in (from a record or
    // a format) is kept whole, which a maximum length would cut.
    setValidator(validator_);
}

void BarcodeEntryBox::putText(const QString& text) {
    validator_->admit(text);
    setText(text);
}

void BarcodeEntryBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

} // namespace brevmark
