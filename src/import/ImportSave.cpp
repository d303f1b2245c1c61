#include "import/ImportSave.h"

#include "common/Cp950.h"
#include "import/ImportGrid.h"
#include "import/ImportTexts.h"
#include "records/RecordTextPreparation.h"
#include "symbology/BarcodeText.h"

#include <algorithm>

namespace brevmark {

namespace {

// The barcode text cleaning without its box: the characters Code 39 cannot hold are dropped, and
// the caller learns whether any were.
bool keepBarcodeCharacters(QString& barcode) {
    const qsizetype before = barcode.size();
    barcode.removeIf([](QChar c) { return !isBarcodeCharacter(c); });
    return barcode.size() != before;
}

} // namespace

ImportSave::Result ImportSave::run(ImportGrid& grid, BarcodeRecordFile& file) {
    namespace texts = import_texts;
    QList<int> cleaned; // records counted from 1
    const auto removalNotice = [&cleaned] {
        QList<ImportMessage> notice;
        if (!cleaned.isEmpty())
            notice << ImportMessage{ImportMessage::Icon::Information, texts::removalTitle,
                                    texts::barcodesCleaned(cleaned)};
        return notice;
    };
    const auto refuse = [&](Cell cell, const QString& title, const QString& text) {
        return Result{Outcome::Refused, cell,
                      removalNotice() << ImportMessage{ImportMessage::Icon::Warning, title, text}};
    };
    CellTable& cells = grid.cells();
    const ImportColumns& columns = grid.columns();
    const int shown = std::min(columns.count(), BarcodeRecord::entryFieldCount);
    QList<RecordEntry> entries;
    for (int p = 0; p <= grid.range().last(); ++p) {
        // Hidden columns are never saved.
        RecordEntry entry;
        for (int c = 0; c < shown; ++c)
            entry[std::size_t(c)] = cells.text(p, c);
        if (keepBarcodeCharacters(entry[BarcodeRecord::Barcode]))
            cleaned << p + 1;
        for (int c = 1; c < BarcodeRecord::entryFieldCount; ++c)
            entry[std::size_t(c)] = record_texts::trimSpaces(cleanField(entry[std::size_t(c)]));
        for (int c = 0; c < shown; ++c)
            cells.setText(p, c, entry[std::size_t(c)]);
        if (entry[BarcodeRecord::Barcode].isEmpty())
            return refuse({p, 0}, texts::errorTitle, texts::barcodeMissing(p + 1));
        if (entry[BarcodeRecord::Category].isEmpty())
            return refuse({p, 1}, texts::errorTitle,
                          texts::fieldMissing(p + 1, columns.caption(1)));
        for (int c = 0; c < shown; ++c) {
            const QString lacking = cp950::unencodableCharacters(entry[std::size_t(c)]);
            if (!lacking.isEmpty())
                return refuse({p, c}, texts::unencodableTitle,
                              texts::unencodable(p + 1, columns.caption(c),
                                                 cp950::listedCharacters(lacking)));
        }
        entries << entry;
    }
    switch (file.appendAll(entries)) {
    case BarcodeRecordFile::WriteOutcome::Written:
        cells.clear();
        return {Outcome::Saved, std::nullopt, removalNotice()};
    case BarcodeRecordFile::WriteOutcome::EndProgram:
        return {Outcome::EndProgram, std::nullopt, removalNotice()};
    case BarcodeRecordFile::WriteOutcome::NotWritten:
        break;
    }
    return {Outcome::NotWritten, std::nullopt, removalNotice()};
}

} // namespace brevmark
