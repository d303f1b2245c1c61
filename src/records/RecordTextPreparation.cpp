#include "records/RecordTextPreparation.h"

#include "platform/MessageBoxes.h"
#include "symbology/BarcodeText.h"

namespace brevmark::record_texts {

namespace {
QString cleanedBarcode(const QString& barcode, MessageBoxes& messages) {
    const CleanedBarcode cleaned = cleanBarcodeText(barcode);
    if (cleaned.dropped)
        messages.inform(CleanedBarcode::removalTitle(), CleanedBarcode::removalText());
    return cleaned.text;
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

RecordEntry prepareForManager(const RecordEntry& entry, MessageBoxes& messages) {
    RecordEntry prepared = entry;
    prepared[BarcodeRecord::Barcode] = cleanedBarcode(entry[BarcodeRecord::Barcode], messages);
    for (QString& text : prepared)
        text = trimSpaces(cleanField(text));
    return prepared;
}

RecordEntry prepareForImport(const RecordEntry& entry, MessageBoxes& messages) {
    RecordEntry prepared = entry;
    prepared[BarcodeRecord::Barcode] = cleanedBarcode(entry[BarcodeRecord::Barcode], messages);
    for (int k = 1; k < BarcodeRecord::entryFieldCount; ++k)
        prepared[std::size_t(k)] = trimSpaces(cleanField(prepared[std::size_t(k)]));
    return prepared;
}

} // namespace brevmark::record_texts
