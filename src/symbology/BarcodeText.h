#pragma once

#include <QChar>
#include <QString>

namespace brevmark {

// The characters a barcode text may hold: digits, letters of either case, "-", space, "." ,
// "/" and "+". Not "*" (start and stop), not "$" or "%", no full-width form.
bool isBarcodeCharacter(QChar c);

// A barcode text from a record file or an import, cleaned.
struct CleanedBarcode {
    QString text;
    // Characters were dropped: the window that cleaned it shows the removal notice once, after
    // the whole text has been examined.
    bool dropped = false;

    static QString removalTitle() { return QStringLiteral("移除提示"); }
    static QString removalText() {
        return QStringLiteral("記錄的條碼中含有不能使用的文字，程式將自動清除");
    }
};

// Keeps the barcode characters of a text, in order and in their case. Texts of any length are
// cleaned in full.
CleanedBarcode cleanBarcodeText(const QString& text);

// Drops the characters that would break a quoted-field line: CR, LF, the double quote, the comma,
// the right double quotation mark U+201D, the bopomofo letter U+3111 and the black star U+2605.
// Everything else stays; nothing is reported. Texts of any length are cleaned in full.
QString cleanField(const QString& text);

} // namespace brevmark
