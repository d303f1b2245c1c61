// Fuzz target: the barcode record file 條碼檔.zip. The input is the file as it lies on disk.
//
// Every read agrees with the others; a damaged file is either rebuilt into one that reads without
// another repair or left byte for byte; on a file that reads, a delete, a change, a swap and an
// append each give back exactly the records they were asked for and every other record exactly
// as it read before (rewrites copy the records they do not change byte for byte), and a text code
// page 950 cannot hold is refused without touching the file.
#include "support/FuzzCheck.h"
#include "support/FuzzInput.h"
#include "support/InputHash.h"
#include "support/FreshStart.h"
#include "support/RecordsAsIs.h"
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
    BarcodeRecordFile file{files, folder()};

    std::optional<QList<BarcodeRecord>> readBack() const {
        return fuzz::recordsAsIs(files, filePath());
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

using Outcome = BarcodeRecordFile::WriteOutcome;

// Whether the file after an append holds the bytes before it, less at most what read as nothing
// at their end (commas after the last field, a lead byte left alone), which would read as fields
// once the new lines follow.
bool onlyNothingTakenOff(const QByteArray& before, const QByteArray& after) {
    qsizetype kept = 0;
    while (kept < before.size() && kept < after.size() && before.at(kept) == after.at(kept))
        ++kept;
    for (qsizetype i = kept; i < before.size(); ++i) {
        const bool loneLeadByte = i == before.size() - 1 && uchar(before.at(i)) >= 0x81;
        if (before.at(i) != ',' && !loneLeadByte)
            return false;
    }
    return true;
}

void checkRewrites(const QByteArray& input, const QList<StoredRecord>& read) {
    const QList<BarcodeRecord> before = recordsOf(read);
    const int n = int(before.size());
    const std::uint32_t h = fuzz::inputHash(input);
    const int p = int(h % std::uint32_t(n));

    {
        Session s(input);
        FUZZ_CHECK(s.file.remove(read.at(p)).written(),
                   "deleting a record of a readable file failed");
        QList<BarcodeRecord> expected = before;
        expected.removeAt(p);
        FUZZ_CHECK(s.readBack() == expected,
                   QStringLiteral("deleting record %1 changed other records").arg(p));
    }

    // The entry of another record, prepared as the record manager prepares what is typed.
    const RecordEntry typed =
        record_texts::prepareForManager(before.at((p + 1) % n).entry()).entry;
    QString all, changed;
    for (int k = 0; k < BarcodeRecord::entryFieldCount; ++k) {
        all += typed[std::size_t(k)];
        if (typed[std::size_t(k)] != before.at(p).fields[std::size_t(k)])
            changed += typed[std::size_t(k)];
    }

    {
        Session s(input);
        const auto result = s.file.change(read.at(p), typed);
        if (!cp950::canEncode(changed)) {
            FUZZ_CHECK(result.outcome == Outcome::Refused,
                       "a change with text code page 950 cannot hold was stored");
            FUZZ_CHECK(s.bytes() == input, "a refused change altered the file");
        } else {
            FUZZ_CHECK(result.written(), "changing a record of a readable file failed");
            // Every other record reads as it did. In the changed one a text typed anew reads as
            // stored, and a text left as it was keeps its stored bytes; only a double quote (that
            // a damaged line's bare field can hold) goes, since the rewritten line quotes every
            // field.
            const std::optional<QList<BarcodeRecord>> after = s.readBack();
            FUZZ_CHECK(after && after->size() == n, "changing a record lost or added records");
            for (int i = 0; i < n; ++i) {
                if (i != p) {
                    FUZZ_CHECK(after->at(i) == before.at(i),
                               QStringLiteral("changing record %1 changed record %2").arg(p).arg(i));
                    continue;
                }
                for (int k = 0; k < BarcodeRecord::textFieldCount; ++k) {
                    const QString& was = before.at(p).fields[std::size_t(k)];
                    const QString& now = after->at(p).fields[std::size_t(k)];
                    if (k < BarcodeRecord::entryFieldCount && typed[std::size_t(k)] != was)
                        FUZZ_CHECK(now == fuzz::storedForm(typed[std::size_t(k)]),
                                   QStringLiteral("field %1 was typed as [%2] and reads [%3]")
                                       .arg(k).arg(typed[std::size_t(k)], now));
                    else if (was.contains(QLatin1Char('"')))
                        FUZZ_CHECK(!now.contains(QLatin1Char('"')),
                                   "a rewritten line holds a double quote");
                    else
                        FUZZ_CHECK(now == was, QStringLiteral("field %1 was [%2] and reads [%3]")
                                                   .arg(k).arg(was, now));
                }
            }
        }
    }

    {
        const int q = int((h / 7919u) % std::uint32_t(n));
        Session s(input);
        FUZZ_CHECK(s.file.swap(read.at(p), read.at(q)).written(),
                   "swapping two records of a readable file failed");
        QList<BarcodeRecord> expected = before;
        expected.swapItemsAt(p, q);
        FUZZ_CHECK(s.readBack() == expected,
                   QStringLiteral("swapping records %1 and %2 gave other records").arg(p).arg(q));
    }

    {
        Session s(input);
        const auto result = s.file.append(typed);
        if (!cp950::canEncode(all)) {
            FUZZ_CHECK(result.outcome == Outcome::Refused,
                       "an append with text code page 950 cannot hold was stored");
            FUZZ_CHECK(s.bytes() == input, "a refused append altered the file");
        } else {
            FUZZ_CHECK(result.written(), "appending to a readable file failed");
            // An append rewrites nothing: the records before it read exactly as they did.
            QList<BarcodeRecord> expected = before;
            expected.append(storedForm(QList<BarcodeRecord>{BarcodeRecord::fromEntry(typed)}));
            FUZZ_CHECK(s.readBack() == expected, "an append changed the records before it");
            FUZZ_CHECK(onlyNothingTakenOff(input, s.bytes()), "an append changed the bytes before it");
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
    FUZZ_CHECK(s.bytes() == input, "a read changed the file");
    switch (all.outcome) {
    case BarcodeRecordFile::ReadOutcome::Complete: {
        FUZZ_CHECK(asIs, "the manager's read took a file that the batch read refuses");
        FUZZ_CHECK(recordsOf(all.records) == *asIs, "two reads of one file disagree");
        const auto panel = s.file.readForLoadPanel();
        FUZZ_CHECK(recordsOf(panel.records) ==
                       asIs->mid(0, BarcodeRecordFile::loadPanelLimit),
                   "the record-load panel read other records");
        if (!asIs->isEmpty())
            checkRewrites(input, all.records);
        break;
    }
    case BarcodeRecordFile::ReadOutcome::LimitReached:
        FUZZ_CHECK(asIs && asIs->size() >= BarcodeRecordFile::readLimit &&
                       recordsOf(all.records) == asIs->mid(0, BarcodeRecordFile::readLimit),
                   "the read stopped at its limit on other records");
        break;
    case BarcodeRecordFile::ReadOutcome::Unreadable:
        FUZZ_CHECK(false, "a file on disk could not be read: " + all.error);
        break;
    case BarcodeRecordFile::ReadOutcome::Damaged: {
        FUZZ_CHECK(!asIs, "a file the batch read takes was called damaged");
        const auto repair = s.file.repair();
        if (repair.outcome != BarcodeRecordFile::RepairOutcome::Rebuilt) {
            FUZZ_CHECK(repair.outcome == BarcodeRecordFile::RepairOutcome::NothingKept,
                       "a repair could not write: " + repair.error);
            FUZZ_CHECK(s.bytes() == input, "a damaged file that could not be rebuilt was changed");
            break;
        }
        const QByteArray repaired = s.bytes();
        Session again(repaired);
        const auto reread = again.file.readAll();
        FUZZ_CHECK(reread.outcome == BarcodeRecordFile::ReadOutcome::Complete,
                   "the repaired file needs another repair at the next start");
        for (const StoredRecord& r : reread.records)
            for (const QString& field : r.record.fields)
                FUZZ_CHECK(!holdsLineBreaker(field), "the repair kept a field that breaks a line");
        break;
    }
    }
    return 0;
}
