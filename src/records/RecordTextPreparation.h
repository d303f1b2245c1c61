#pragma once

#include "records/BarcodeRecord.h"

namespace brevmark {

// The texts of a record are prepared before it is stored, so that no stored field holds a comma,
// a double quote or a line break. The barcode loses the characters Code 39 cannot hold; every
// field then loses the characters that would break a quoted-field line and its leading and
// trailing spaces. Nothing is shown here: the window shows the removal notice when the result
// says the barcode lost characters.
namespace record_texts {

struct Prepared {
    RecordEntry entry;
    // The barcode held characters Code 39 cannot hold, now removed.
    bool barcodeLostCharacters = false;
};

// Record manager: the barcode text cleaning, then field cleaning and trimming of all seven texts.
Prepared prepareForManager(const RecordEntry& entry);
// Bulk import: the barcode text cleaning for the barcode, field cleaning and trimming for the
// six other texts.
Prepared prepareForImport(const RecordEntry& entry);
// Leading and trailing spaces (U+0020 only) removed.
QString trimSpaces(const QString& text);

// The notice shown once when a barcode lost characters.
QString removalTitle();
QString removalText();

} // namespace record_texts

} // namespace brevmark
