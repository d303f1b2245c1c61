// Fuzz target: the bulk import window's spreadsheet import (記憶匯入) and paste (貼上), and the
// save of the grid as barcode records. The first input bytes pick the command, how many columns
// the grid shows, the current cell and how the clipboard's text arrives (UTF-8, or UTF-16 that
// may hold half a surrogate pair); the rest is the clipboard's text.
//
// Whatever is pasted, the grid keeps within its shown columns, its 151 rows and its 30-character
// cells; and a grid that saves becomes records that the record manager reads back at once, one
// a row, each what the grid showed after its cleaning, without a repair.
#include "support/FuzzCheck.h"
#include "support/FuzzInput.h"
#include "support/ScratchFolder.h"

#include "import/ImportGrid.h"
#include "import/ImportSave.h"
#include "import/PasteImport.h"
#include "import/SpreadsheetImport.h"
#include "manager/FieldCaptions.h"
#include "platform/LocalFileSystem.h"
#include "records/BarcodeRecordFile.h"
#include "records/RecordTextPreparation.h"

#include <cstddef>
#include <cstdint>

using namespace brevmark;
using brevmark::fuzz::ScratchFolder;

namespace {

QString clipboardText(const QByteArray& bytes, bool utf16) {
    if (!utf16)
        return QString::fromUtf8(bytes);
    return QString(reinterpret_cast<const QChar*>(bytes.constData()), bytes.size() / 2);
}

void checkGrid(const ImportGrid& grid) {
    const int shown = grid.columns().count();
    FUZZ_CHECK(grid.range().last() >= 0 && grid.range().last() <= RowRange::maxLast,
               QStringLiteral("the grid's last row is %1").arg(grid.range().last()));
    for (int r = 0; r < CellTable::rows; ++r)
        for (int c = 0; c < CellTable::columns; ++c) {
            const QString& text = grid.cells().text(r, c);
            FUZZ_CHECK(text.isEmpty() || (c < shown && r <= RowRange::maxLast),
                       QStringLiteral("cell %1, %2 outside the shown grid holds text").arg(r).arg(c));
            FUZZ_CHECK(text.size() <= ImportGrid::editorLength,
                       QStringLiteral("cell %1, %2 holds %3 characters").arg(r).arg(c).arg(text.size()));
        }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const std::uint8_t how = in.byte();
    const bool paste = how & 1;
    const bool utf16 = how & 2;
    // The manager keeps 1 to 6 as the last field in use; the grid shows one column more.
    const int columnCount = in.number(2, BarcodeRecord::entryFieldCount);
    const int row = in.number(0, RowRange::maxLast);
    const int column = in.number(0, columnCount - 1);
    const QString text = clipboardText(in.rest(), utf16);

    ImportGrid grid([](const QString& t) { return 120.0 * double(t.size()); });
    grid.columns().setCount(columnCount);
    const field_captions::Captions captions = field_captions::defaults();
    for (int c = 0; c < BarcodeRecord::entryFieldCount; ++c)
        grid.columns().setCaption(c, captions[std::size_t(c)]);
    grid.setCurrent(row, column);

    if (paste)
        PasteImport::run(grid, text);
    else
        SpreadsheetImport::run(grid, text);
    checkGrid(grid);

    // What the save will store: each row of the range as the import cleans it.
    QList<RecordEntry> shown;
    for (int p = 0; p <= grid.range().last(); ++p) {
        RecordEntry entry;
        for (int c = 0; c < columnCount; ++c)
            entry[std::size_t(c)] = grid.cells().text(p, c);
        shown << record_texts::prepareForImport(entry).entry;
    }

    ScratchFolder& scratch = ScratchFolder::instance();
    scratch.empty();
    LocalFileSystem files;
    BarcodeRecordFile file(files, scratch.path());
    const ImportSave::Result saved = ImportSave::run(grid, file);
    if (saved.outcome != ImportSave::Outcome::Saved) {
        FUZZ_CHECK(saved.outcome == ImportSave::Outcome::Refused && saved.failing,
                   "a save into an empty folder failed otherwise than by a refused row");
        FUZZ_CHECK(!scratch.holds(BarcodeRecordFile::fileName()), "a refused save wrote records");
        return 0;
    }
    BarcodeRecordFile reader(files, scratch.path());
    const BarcodeRecordFile::ReadResult read = reader.readAll();
    FUZZ_CHECK(read.outcome == BarcodeRecordFile::ReadOutcome::Complete,
               "the saved records need a repair");
    FUZZ_CHECK(read.records.size() == shown.size(), "the save stored another number of rows");
    for (qsizetype p = 0; p < shown.size(); ++p)
        FUZZ_CHECK(read.records.at(p).record.entry() == shown.at(p),
                   QStringLiteral("row %1 reads back otherwise than the grid showed it").arg(p + 1));
    return 0;
}
