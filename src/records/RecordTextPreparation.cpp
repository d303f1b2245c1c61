#include "records/RecordTextPreparation.h"

#include "symbology/BarcodeText.h"

namespace brevmark::record_texts {

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
    prepared[BarcodeRecord::Barcode] = cleanBarcodeText(entry[BarcodeRecord::Barcode], messages);
    for (QString& text : prepared)
        text = trimSpaces(cleanField(text));
    return prepared;
}

RecordEntry prepareForImport(const RecordEntry& entry, MessageBoxes& messages) {
    RecordEntry prepared = entry;
    prepared[BarcodeRecord::Barcode] = cleanBarcodeText(entry[BarcodeRecord::Barcode], messages);
    for (int k = 1; k < BarcodeRecord::entryFieldCount; ++k)
        prepared[std::size_t(k)] = trimSpaces(cleanField(prepared[std::size_t(k)]));
    return prepared;
}

} // namespace brevmark::record_texts
