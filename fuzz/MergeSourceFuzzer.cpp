// Fuzz target: the records brevmark-batch merges a format with (--records FILE). The first input
// byte picks the file's name, and so how it is read (a .csv, .tsv or .txt spreadsheet export, or a
// barcode record file); the rest is the file as it lies on disk.
//
// Whatever the file holds, the merge table has a cell for every caption in every row and its
// barcode column is one of them; a barcode record file reads as the program reads it; and a table
// written out as spreadsheets write CSV and TSV (quotes around cells that need them, quotes
// doubled, a byte order mark first) reads back as the same captions and cells.
#include "support/FuzzCheck.h"
#include "support/FuzzInput.h"
#include "support/RecordsAsIs.h"
#include "support/ScratchFolder.h"

#include "batch/MergeSource.h"
#include "manager/FieldCaptions.h"
#include "platform/LocalFileSystem.h"
#include "records/BarcodeRecordFile.h"

#include <cstddef>
#include <cstdint>

using namespace brevmark;
using brevmark::fuzz::ScratchFolder;

namespace {

const QStringList fileNames{QStringLiteral("價格.csv"), QStringLiteral("價格.tsv"),
                            QStringLiteral("價格.txt"), QStringLiteral("條碼檔.zip")};

QStringList recordCaptions() {
    const field_captions::Captions captions = field_captions::defaults();
    return QStringList(captions.begin(), captions.end());
}

QString spreadsheetCell(const QString& cell, QChar separator) {
    const bool quoted = cell.contains(separator) || cell.contains(QLatin1Char('"')) ||
                        cell.contains(QLatin1Char('\r')) || cell.contains(QLatin1Char('\n'));
    if (!quoted)
        return cell;
    return QLatin1Char('"') + QString(cell).replace(QLatin1String("\""), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

QByteArray spreadsheetText(const MergeTable& table, QChar separator) {
    QString text(QChar(0xFEFF));
    const auto addRow = [&](const QStringList& cells) {
        QStringList written;
        for (const QString& cell : cells)
            written << spreadsheetCell(cell, separator);
        text += written.join(separator) + QStringLiteral("\r\n");
    };
    addRow(table.captions);
    for (const MergeTable::Row& row : table.rows)
        addRow(row.cells);
    return text.toUtf8();
}

// A row of one empty cell is an empty line, which readers skip.
bool isBlankLine(const QStringList& cells) { return cells.size() == 1 && cells.first().isEmpty(); }

void checkTable(const MergeTable& table) {
    FUZZ_CHECK(!table.captions.isEmpty(), "a merge table without captions");
    FUZZ_CHECK(table.barcodeColumn >= 0 && table.barcodeColumn < table.captions.size(),
               "the barcode column is none of the captions");
    for (const MergeTable::Row& row : table.rows)
        FUZZ_CHECK(row.cells.size() == table.captions.size(),
                   QStringLiteral("row %1 has %2 cells for %3 captions")
                       .arg(row.source)
                       .arg(row.cells.size())
                       .arg(table.captions.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const QString fileName = fileNames.at(in.number(0, int(fileNames.size()) - 1));
    const QByteArray bytes = in.rest();
    ScratchFolder& scratch = ScratchFolder::instance();
    scratch.empty();
    scratch.put(fileName, bytes);

    LocalFileSystem files;
    const QString path = scratch.filePath(fileName);
    const auto read = MergeSource::read(files, path, recordCaptions());
    FUZZ_CHECK(scratch.bytesOf(fileName) == bytes, "reading the records changed the file");
    const MergeTable* table = std::get_if<MergeTable>(&read);

    if (MergeSource::kindOf(path, QString()) == MergeSource::Kind::RecordFile) {
        // A record file's rows are read when they are visited: all of them, as the record file
        // reads, or a failure where it fails.
        FUZZ_CHECK(table, "a record file that is there was not taken as a merge source");
        const auto records = fuzz::recordsAsIs(files, path);
        QList<MergeTable::Row> rows;
        QString error;
        const bool visited = table->visitRows(
            [&rows](const MergeTable::Row& row) {
                rows.append(row);
                return true;
            },
            &error);
        FUZZ_CHECK(visited == bool(records), "the merge and the record file disagree");
        FUZZ_CHECK(scratch.bytesOf(fileName) == bytes, "visiting the records changed the file");
        if (records) {
            FUZZ_CHECK(rows.size() == records->size(), "the merge lost records");
            for (qsizetype i = 0; i < rows.size(); ++i)
                FUZZ_CHECK(rows.at(i).source == i + 1 &&
                               rows.at(i).cells.size() == table->captions.size() &&
                               rows.at(i).cells.first() == records->at(i).fields[0],
                           QStringLiteral("row %1 is not record %1").arg(i + 1));
        }
        return 0;
    }
    if (!table)
        return 0;
    checkTable(*table);
    // A one-column table whose caption is empty cannot be written as a header row.
    if (isBlankLine(table->captions))
        return 0;

    for (const QString& name : {QStringLiteral("再讀.csv"), QStringLiteral("再讀.tsv")}) {
        const QChar separator =
            name.endsWith(QLatin1String(".csv")) ? QLatin1Char(',') : QLatin1Char('\t');
        scratch.put(name, spreadsheetText(*table, separator));
        const auto again = MergeSource::read(files, scratch.filePath(name), recordCaptions());
        const MergeTable* reread = std::get_if<MergeTable>(&again);
        FUZZ_CHECK(reread, QStringLiteral("a table written as %1 does not read: %2")
                               .arg(name, std::get<BatchFailure>(again).message));
        FUZZ_CHECK(reread->captions == table->captions, "the captions read back otherwise");
        QList<QStringList> expected;
        for (const MergeTable::Row& row : table->rows)
            if (!isBlankLine(row.cells))
                expected << row.cells;
        QList<QStringList> cells;
        for (const MergeTable::Row& row : reread->rows)
            cells << row.cells;
        FUZZ_CHECK(cells == expected, QStringLiteral("the cells of %1 read back otherwise").arg(name));
        FUZZ_CHECK(reread->barcodeColumn == table->barcodeColumn, "the barcode column moved");
    }
    return 0;
}
