#pragma once

#include <QChar>
#include <QString>

namespace brevmark {

class MessageBoxes;

// The characters a barcode text may hold: digits, letters of either case, "-", space, "." ,
// "/" and "+". Not "*" (start and stop), not "$" or "%", no full-width form.
bool isBarcodeCharacter(QChar c);

// Keeps the barcode characters of a text from a record file or an import, in order and in their
// case. When anything was dropped, one information box "移除提示" says so after the whole text
// has been examined. Texts of any length are cleaned in full.
QString cleanBarcodeText(const QString& text, MessageBoxes& messages);

// Drops the characters that would break a quoted-field line: CR, LF, the double quote, the comma,
// the right double quotation mark U+201D, the bopomofo letter U+3111 and the black star U+2605.
// Everything else stays; nothing is reported. Texts of any length are cleaned in full.
QString cleanField(const QString& text);

} // namespace brevmark
