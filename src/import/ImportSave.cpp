#include "import/ImportSave.h"

#include "common/Cp950.h"
#include "import/ImportGrid.h"
#include "import/ImportTexts.h"
#include "records/RecordFileTexts.h"
#include "records/RecordTextPreparation.h"

#include <algorithm>

namespace brevmark {

ImportSave::Result ImportSave::run(ImportGrid& grid, BarcodeRecordFile& file) {
    namespace texts = import_texts;
    QList<int> cleaned; // records counted from 1
    const auto removalNotice = [&cleaned] {
        QList<UserMessage> notice;
        if (!cleaned.isEmpty())
            notice << UserMessage::information(texts::removalTitle,
                                               texts::barcodesCleaned(cleaned));
        return notice;
    };
    const auto refuse = [&](Cell cell, const QString& title, const QString& text) {
        return Result{Outcome::Refused, cell, removalNotice() << UserMessage::warning(title, text)};
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
        const record_texts::Prepared prepared = record_texts::prepareForImport(entry);
        if (prepared.barcodeLostCharacters)
            cleaned << p + 1;
        entry = prepared.entry;
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
    const BarcodeRecordFile::WriteResult written = file.appendAll(entries);
    switch (written.outcome) {
    case BarcodeRecordFile::WriteOutcome::Written:
        cells.clear();
        return {Outcome::Saved, std::nullopt, removalNotice()};
    case BarcodeRecordFile::WriteOutcome::Refused:
        return {Outcome::NotWritten, std::nullopt,
                removalNotice() << UserMessage::warning(
                    RecordFileTexts::unencodableTitle(),
                    RecordFileTexts::unencodableText(cp950::listedCharacters(written.error)))};
    default:
        return {Outcome::NotWritten, std::nullopt,
                removalNotice() << UserMessage::warning(
                    RecordFileTexts::writeFailedTitle(),
                    RecordFileTexts::writeFailedText(file.filePath(), written.error))};
    }
}

} // namespace brevmark
