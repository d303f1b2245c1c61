#include "page/ui/BarcodeEntryValidator.h"

#include "symbology/BarcodeText.h"

#include <QLineEdit>
#include <algorithm>

namespace brevmark {

BarcodeEntryValidator::BarcodeEntryValidator(QLineEdit* box)
    : QValidator(box), before_(box->text()) {
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
}

QValidator::State BarcodeEntryValidator::validate(QString& input, int&) const {
    if (!std::all_of(input.cbegin(), input.cend(), isBarcodeCharacter))
        return Invalid;
    const qsizetype limit = std::max<qsizetype>(typedLimit, before_.size());
    return input.size() <= limit ? Acceptable : Invalid;
}

} // namespace brevmark
