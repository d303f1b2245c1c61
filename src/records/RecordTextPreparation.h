#pragma once

#include "records/BarcodeRecord.h"

namespace brevmark {

class MessageBoxes;

// The texts of a record are prepared before it is stored, so that no stored field holds a comma,
// a double quote or a line break. The barcode loses the characters Code 39 cannot hold (with one
// notice when any were dropped); every field then loses the characters that would break a
// quoted-field line and its leading and trailing spaces.
namespace record_texts {

// Record manager: the barcode text cleaning, then field cleaning and trimming of all seven texts.
RecordEntry prepareForManager(const RecordEntry& entry, MessageBoxes& messages);
// Bulk import: the barcode text cleaning for the barcode, field cleaning and trimming for the
// six other texts.
RecordEntry prepareForImport(const RecordEntry& entry, MessageBoxes& messages);
// Leading and trailing spaces (U+0020 only) removed.
QString trimSpaces(const QString& text);

} // namespace record_texts

} // namespace brevmark
