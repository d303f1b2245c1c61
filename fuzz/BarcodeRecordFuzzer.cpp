// Fuzz target: the barcode record file 條碼檔.zip. The input is the file as it lies on disk.
//
// Every read agrees with the others; a damaged file is either rebuilt into one that reads without
// another repair or left byte for byte; on a file that reads, a delete, a change, a swap and an
// append each give back exactly the records they were asked for, and lose nothing of the others
// but what the file could never hold (a double quote inside a field, bytes that are no code page
// 950 character).
#include "support/FuzzCheck.h"
#include "support/FuzzInput.h"
#include "support/InputHash.h"
#include "support/FreshStart.h"
#include "support/StoredForm.h"

#include "common/Cp950.h"
#include "records/BarcodeRecordFile.h"
#include "records/RecordTextPreparation.h"

#include <cstddef>
#include <cstdint>

using namespace brevmark;

namespace {

// The input as the record file, and the record file over it.
struct Session : fuzz::FreshStart {
    explicit Session(const QByteArray& bytes)
        : FreshStart(BarcodeRecordFile::fileName(), bytes) {}
    BarcodeRecordFile file{files, boxes, folder()};

    std::optional<QList<BarcodeRecord>> readBack() const {
        QString error;
        return BarcodeRecordFile::readAsIs(files, filePath(), &error);
    }
};

QList<BarcodeRecord> storedForm(const QList<BarcodeRecord>& records) {
    return fuzz::storedRecords(records);
}

QList<BarcodeRecord> recordsOf(const QList<StoredRecord>& stored) {
    QList<BarcodeRecord> records;
    for (int i = 0; i < stored.size(); ++i) {
        FUZZ_CHECK(stored.at(i).position == i, "a record's position is not its place in the file");
        records.append(stored.at(i).record);
    }
    return records;
}

bool holdsLineBreaker(const QString& field) {
    return field.contains(QLatin1Char('"')) || field.contains(QLatin1Char(',')) ||
           field.contains(QLatin1Char('\r')) || field.contains(QLatin1Char('\n'));
}

void checkRewrites(const QByteArray& input, const QList<BarcodeRecord>& before) {
    const int n = int(before.size());
    const std::uint32_t h = fuzz::inputHash(input);
    const int p = int(h % std::uint32_t(n));

    {
        Session s(input);
        FUZZ_CHECK(s.file.remove(p) == BarcodeRecordFile::WriteOutcome::Written,
                   "deleting a record of a readable file failed");
        QList<BarcodeRecord> expected = before;
        expected.removeAt(p);
        FUZZ_CHECK(s.readBack() == storedForm(expected),
                   QStringLiteral("deleting record %1 changed other records").arg(p));
    }

    // The entry of another record, prepared as the record manager prepares what is typed.
    fuzz::RecordedMessageBoxes notices;
    const RecordEntry typed =
        record_texts::prepareForManager(before.at((p + 1) % n).entry(), notices);
    QString all;
    for (const QString& t : typed)
        all += t;
    const bool storable = cp950::canEncode(all);

    {
        Session s(input);
        const auto outcome = s.file.change(p, typed);
        if (!storable) {
            FUZZ_CHECK(outcome == BarcodeRecordFile::WriteOutcome::NotWritten,
                       "a change with text code page 950 cannot hold was stored");
            FUZZ_CHECK(s.bytes() == input, "a refused change altered the file");
        } else {
            FUZZ_CHECK(outcome == BarcodeRecordFile::WriteOutcome::Written,
                       "changing a record of a readable file failed");
            QList<BarcodeRecord> expected = before;
            for (int k = 0; k < BarcodeRecord::entryFieldCount; ++k)
                expected[p][k] = typed[std::size_t(k)];
            FUZZ_CHECK(s.readBack() == storedForm(expected),
                       QStringLiteral("changing record %1 gave other records").arg(p));
        }
    }

    {
        const int q = int((h / 7919u) % std::uint32_t(n));
        Session s(input);
        FUZZ_CHECK(s.file.swap(p, before.at(p), q, before.at(q)) ==
                       BarcodeRecordFile::WriteOutcome::Written,
                   "swapping two records of a readable file failed");
        QList<BarcodeRecord> expected = before;
        expected.swapItemsAt(p, q);
        FUZZ_CHECK(s.readBack() == storedForm(expected),
                   QStringLiteral("swapping records %1 and %2 gave other records").arg(p).arg(q));
    }

    {
        Session s(input);
        const auto outcome = s.file.append(typed);
        if (!storable) {
            FUZZ_CHECK(outcome == BarcodeRecordFile::WriteOutcome::NotWritten,
                       "an append with text code page 950 cannot hold was stored");
            FUZZ_CHECK(s.bytes() == input, "a refused append altered the file");
        } else {
            FUZZ_CHECK(outcome == BarcodeRecordFile::WriteOutcome::Written,
                       "appending to a readable file failed");
            // An append rewrites nothing: the records before it read exactly as they did.
            QList<BarcodeRecord> expected = before;
            expected.append(BarcodeRecord::fromEntry(typed));
            FUZZ_CHECK(s.readBack() == expected, "an append changed the records before it");
            FUZZ_CHECK(s.bytes().startsWith(input), "an append changed the bytes before it");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input = fuzz::inputBytes(data, size);
    Session s(input);
    const std::optional<QList<BarcodeRecord>> asIs = s.readBack();
    FUZZ_CHECK(s.bytes() == input, "reading the file as it stands changed it");

    const BarcodeRecordFile::ReadResult all = s.file.readAll();
    switch (all.outcome) {
    case BarcodeRecordFile::ReadOutcome::Complete: {
        FUZZ_CHECK(asIs, "the manager's read took a file that the batch read refuses");
        FUZZ_CHECK(recordsOf(all.records) == *asIs, "two reads of one file disagree");
        FUZZ_CHECK(s.boxes.titles.isEmpty(), "a clean read showed a message");
        FUZZ_CHECK(s.bytes() == input, "a clean read changed the file");
        const auto panel = s.file.readForLoadPanel();
        FUZZ_CHECK(recordsOf(panel.records) ==
                       asIs->mid(0, BarcodeRecordFile::loadPanelLimit),
                   "the record-load panel read other records");
        if (!asIs->isEmpty())
            checkRewrites(input, *asIs);
        break;
    }
    case BarcodeRecordFile::ReadOutcome::LimitReached:
        FUZZ_CHECK(asIs && asIs->size() >= BarcodeRecordFile::readLimit &&
                       recordsOf(all.records) == asIs->mid(0, BarcodeRecordFile::readLimit),
                   "the read stopped at its limit on other records");
        break;
    case BarcodeRecordFile::ReadOutcome::Damaged:
        FUZZ_CHECK(!asIs, "a file the batch read takes was called damaged");
        FUZZ_CHECK(s.bytes() == input, "a damaged file that could not be rebuilt was changed");
        break;
    case BarcodeRecordFile::ReadOutcome::EndProgram: {
        FUZZ_CHECK(!asIs, "a file the batch read takes was repaired");
        const QByteArray repaired = s.bytes();
        Session again(repaired);
        const auto reread = again.file.readAll();
        FUZZ_CHECK(reread.outcome == BarcodeRecordFile::ReadOutcome::Complete &&
                       again.boxes.titles.isEmpty(),
                   "the repaired file needs another repair at the next start");
        for (const StoredRecord& r : reread.records)
            for (const QString& field : r.record.fields)
                FUZZ_CHECK(!holdsLineBreaker(field), "the repair kept a field that breaks a line");
        break;
    }
    }
    return 0;
}
