#include "records/RecordTextPreparation.h"

#include "symbology/BarcodeText.h"

namespace brevmark::record_texts {

namespace {
// The barcode text cleaning: the Code 39 characters of the text, in order and in their case.
QString barcodeCharacters(const QString& text, bool* dropped) {
    CleanedBarcode cleaned = cleanBarcodeText(text);
    *dropped = cleaned.dropped;
    return std::move(cleaned.text);
}
} // namespace

QString trimSpaces(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

Prepared prepareForManager(const RecordEntry& entry) {
    Prepared prepared{entry, false};
    prepared.entry[BarcodeRecord::Barcode] =
        barcodeCharacters(entry[BarcodeRecord::Barcode], &prepared.barcodeLostCharacters);
    for (QString& text : prepared.entry)
        text = trimSpaces(cleanField(text));
    return prepared;
}

Prepared prepareForImport(const RecordEntry& entry) {
    Prepared prepared{entry, false};
    prepared.entry[BarcodeRecord::Barcode] =
        barcodeCharacters(entry[BarcodeRecord::Barcode], &prepared.barcodeLostCharacters);
    for (int k = 1; k < BarcodeRecord::entryFieldCount; ++k)
        prepared.entry[std::size_t(k)] = trimSpaces(cleanField(prepared.entry[std::size_t(k)]));
    return prepared;
}

QString removalTitle() {
    return CleanedBarcode::removalTitle();
}

QString removalText() {
    return CleanedBarcode::removalText();
}

} // namespace brevmark::record_texts
