#include "records/BarcodeRecordFile.h"

#include "common/Cp950.h"
#include "platform/FileSystem.h"
#include "records/AppendAfterLastLine.h"
#include "records/LineReader.h"
#include "records/RecordScanner.h"
#include "records/RecordSpanWriter.h"

#include <QHash>
#include <QIODevice>

namespace brevmark {

namespace {

using Record = RecordScanner::Record;
using Status = RecordScanner::Status;

std::size_t fingerprintOf(const Record& r) {
    std::size_t h = 0;
    for (int k = 0; k < BarcodeRecord::textFieldCount; ++k)
        h = qHash(r.fields[std::size_t(k)], h * 31 + std::size_t(k) + 1);
    return h;
}

StoredRecord stored(const Record& r, cp950::FieldDecoder& decoder) {
    StoredRecord s;
    s.position = r.position;
    s.fingerprint = fingerprintOf(r);
    for (int k = 0; k < BarcodeRecord::textFieldCount; ++k) {
        bool cut = false;
        QString text = decoder.decode(r.fields[std::size_t(k)], BarcodeRecord::heldLength, &cut);
        if (cut)
            text += BarcodeRecord::cutMark();
        s.record[k] = std::move(text);
    }
    return s;
}

// Whether a record matches the entry texts of a specified read: any non-empty text equal to the
// same field. The stored bytes are compared first; a field is only decoded when its bytes could
// still spell the text (code page 950 gives a few characters two codes of the same length).
class EntryMatch {
public:
    explicit EntryMatch(const RecordEntry& entry) {
        for (int k = 0; k < BarcodeRecord::entryFieldCount; ++k) {
            const QString& text = entry[std::size_t(k)];
            if (text.isEmpty())
                continue;
            Wanted w{k, text, QByteArray(), cp950::canEncode(text)};
            if (w.encodable)
                w.bytes = cp950::encode(text);
            wanted_.append(w);
        }
    }
    bool matches(const Record& r, cp950::FieldDecoder& decoder) const {
        for (const Wanted& w : wanted_) {
            const QByteArrayView raw = r.fields[std::size_t(w.field)];
            if (w.encodable) {
                if (raw == QByteArrayView(w.bytes))
                    return true;
                if (raw.size() != w.bytes.size() ||
                    (cp950::isAscii(raw) && cp950::isAscii(w.bytes)))
                    continue;
            } else if (raw.size() < w.text.size() || raw.size() > 2 * w.text.size()) {
                continue;
            }
            if (decoder.decode(raw) == w.text)
                return true;
        }
        return false;
    }

private:
    struct Wanted {
        int field;
        QString text;
        QByteArray bytes;
        bool encodable;
    };
    QList<Wanted> wanted_;
};

void appendQuoted(QByteArray& line, QByteArrayView bytes) {
    line += '"';
    // Texts are never escaped; a double quote only a damaged line can hold would end the field.
    if (bytes.contains('"')) {
        for (const char c : bytes)
            if (c != '"')
                line += c;
    } else {
        line += bytes;
    }
    line += "\",";
}

// One pass of a rewrite over the current file: each record is handed to `each`, which writes it
// or what replaces it. The outcome is Damaged when the file is damaged.
BarcodeRecordFile::WriteOutcome
copyRecords(QIODevice& current, QIODevice& replacement,
            const std::function<bool(const Record&, RecordSpanWriter&)>& each) {
    RecordScanner scanner(current, BarcodeRecordFile::fieldsPerLine);
    RecordSpanWriter writer(replacement);
    for (;;) {
        switch (scanner.next()) {
        case Status::End:
            writer.finish(scanner.residue());
            return BarcodeRecordFile::WriteOutcome::Written;
        case Status::Damaged:
            return BarcodeRecordFile::WriteOutcome::Damaged;
        case Status::ReadError:
            return BarcodeRecordFile::WriteOutcome::Failed;
        case Status::Record:
            if (!each(scanner.record(), writer))
                return BarcodeRecordFile::WriteOutcome::Stale;
            break;
        }
    }
}

} // namespace

BarcodeRecordFile::BarcodeRecordFile(FileSystem& files, QString recordsFolder)
    : files_(files), recordsFolder_(std::move(recordsFolder)) {}

QString BarcodeRecordFile::filePath() const {
    return recordsFolder_ + QLatin1Char('/') + fileName();
}

bool BarcodeRecordFile::exists() {
    const QString path = filePath();
    if (files_.fileExists(path))
        return true;
    // The earlier program deleted the file before renaming its temporary copy; a stop between
    // the two left the records only in the copy.
    const QString temporary = FileSystem::temporaryPath(path);
    return files_.fileExists(temporary) && files_.renameFile(temporary, path);
}

QString BarcodeRecordFile::recordLine(const BarcodeRecord& record, int tail) {
    QString line;
    line.reserve(64);
    for (const QString& field : record.fields) {
        line += QLatin1Char('"');
        if (field.contains(QLatin1Char('"')))
            line += QString(field).remove(QLatin1Char('"'));
        else
            line += field;
        line += QStringLiteral("\",");
    }
    line += QString::number(tail);
    line += QStringLiteral("\r\n");
    return line;
}

// ------------------------------------------------------------------------------------- reads

BarcodeRecordFile::ReadResult BarcodeRecordFile::read(int keepFirst, const RecordEntry* entry) {
    ReadResult result;
    if (!exists())
        return result;
    std::unique_ptr<QIODevice> device = files_.openForReading(filePath(), &result.error);
    if (!device) {
        // An unreadable file is not a damaged one: nothing to repair, nothing to list.
        result.outcome = ReadOutcome::Unreadable;
        return result;
    }
    std::optional<EntryMatch> match;
    if (entry)
        match.emplace(*entry);
    RecordScanner scanner(*device, fieldsPerLine);
    cp950::FieldDecoder decoder;
    for (;;) {
        const Status status = scanner.next();
        if (status == Status::End)
            return result;
        if (status == Status::Damaged)
            return {ReadOutcome::Damaged, {}, {}, {}};
        if (status == Status::ReadError)
            return {ReadOutcome::Unreadable, {}, {}, device->errorString()};
        const Record& r = scanner.record();
        const bool early = r.position < keepFirst;
        const bool taken = match && match->matches(r, decoder);
        if (taken && result.matching.size() >= readLimit) {
            result.outcome = ReadOutcome::LimitReached;
            return result;
        }
        if (early || taken) {
            StoredRecord s = stored(r, decoder);
            if (taken)
                result.matching.append(s);
            result.records.append(std::move(s));
        }
        // The full read stops at its limit, even when the file ends there.
        if (!match && r.position + 1 >= keepFirst) {
            result.outcome = ReadOutcome::LimitReached;
            return result;
        }
    }
}

BarcodeRecordFile::ReadResult BarcodeRecordFile::readForLoadPanel() {
    return read(loadPanelLimit, nullptr);
}

BarcodeRecordFile::ReadResult BarcodeRecordFile::readAll() {
    return read(readLimit, nullptr);
}

BarcodeRecordFile::ReadResult BarcodeRecordFile::readMatching(const RecordEntry& entry) {
    return read(readLimit, &entry);
}

bool BarcodeRecordFile::visitAsIs(const FileSystem& files, const QString& path,
                                  const std::function<bool(const BarcodeRecord&, int)>& visit,
                                  QString* error) {
    std::unique_ptr<QIODevice> device = files.openForReading(path, error);
    if (!device)
        return false;
    RecordScanner scanner(*device, fieldsPerLine);
    cp950::FieldDecoder decoder;
    for (;;) {
        switch (scanner.next()) {
        case Status::End:
            return true;
        case Status::ReadError:
            *error = device->errorString();
            return false;
        case Status::Damaged:
            *error = QStringLiteral("第 %1 筆記錄損壞（不足 13 個欄位）")
                         .arg(scanner.record().position + 2);
            return false;
        case Status::Record: {
            const StoredRecord s = stored(scanner.record(), decoder);
            if (!visit(s.record, s.position + 1))
                return true;
            break;
        }
        }
    }
}

// ------------------------------------------------------------------------------------ repair

BarcodeRecordFile::RepairResult BarcodeRecordFile::repair() {
    RepairResult result;
    if (!files_.fileExists(filePath()))
        return result;
    int kept = 0;
    const bool done = files_.rewrite(
        filePath(),
        [&kept](QIODevice& current, QIODevice& replacement) {
            // Every good line is kept, however many there are, byte for byte: only the double
            // quotes go, and the tail number becomes 20.
            LineReader lines(current);
            QList<QByteArray> parts;
            while (lines.nextRepairable(fieldsPerLine, &parts)) {
                QByteArray rebuilt;
                for (int k = 0; k < BarcodeRecord::textFieldCount; ++k)
                    appendQuoted(rebuilt, parts.at(k));
                rebuilt += QByteArray::number(repairedTail);
                rebuilt += "\r\n";
                replacement.write(rebuilt);
                ++kept;
            }
            return kept > 0 ? FileSystem::Rewrite::Replace : FileSystem::Rewrite::Keep;
        },
        &result.error);
    if (!done) {
        result.outcome = RepairOutcome::NotWritten;
        return result;
    }
    result.outcome = kept > 0 ? RepairOutcome::Rebuilt : RepairOutcome::NothingKept;
    return result;
}

// ------------------------------------------------------------------------------------ writes

BarcodeRecordFile::WriteResult BarcodeRecordFile::append(const RecordEntry& entry) {
    return appendAll({entry});
}

BarcodeRecordFile::WriteResult BarcodeRecordFile::appendAll(const QList<RecordEntry>& entries) {
    QString all;
    for (const RecordEntry& entry : entries)
        for (const QString& text : entry)
            all += text;
    if (const QString characters = cp950::unencodableCharacters(all); !characters.isEmpty())
        return {WriteOutcome::Refused, characters};
    if (entries.isEmpty())
        return {};
    QString lines;
    lines.reserve(entries.size() * 64);
    for (const RecordEntry& entry : entries)
        lines += recordLine(BarcodeRecord::fromEntry(entry));
    exists();
    WriteResult result;
    if (!files_.appendDecided(filePath(), AppendAfterLastLine::tailSize,
                              AppendAfterLastLine::decide(cp950::encode(lines), fieldsPerLine),
                              &result.error))
        result.outcome = WriteOutcome::Failed;
    return result;
}

namespace {

// Runs one rewrite and turns what happened into a write result.
template <typename Produce>
BarcodeRecordFile::WriteResult rewriteFile(FileSystem& files, const QString& path,
                                           Produce&& produce) {
    using Outcome = BarcodeRecordFile::WriteOutcome;
    Outcome outcome = Outcome::Written;
    QString error;
    const bool done = files.rewrite(
        path,
        [&](QIODevice& current, QIODevice& replacement) {
            outcome = produce(current, replacement);
            return outcome == Outcome::Written ? FileSystem::Rewrite::Replace
                                               : FileSystem::Rewrite::Keep;
        },
        &error);
    if (!done)
        return {Outcome::Failed, error};
    return {outcome, QString()};
}

bool isChosen(const Record& r, const StoredRecord& chosen) {
    return r.position == chosen.position && fingerprintOf(r) == chosen.fingerprint;
}

// Rewrites the file with the chosen record in its place replaced by what `replace` writes
// (nothing, for a delete); Stale when the record there is not the chosen one.
BarcodeRecordFile::WriteResult
rewriteChosen(FileSystem& files, const QString& path, const StoredRecord& chosen,
              const std::function<void(const Record&, RecordSpanWriter&)>& replace) {
    using Outcome = BarcodeRecordFile::WriteOutcome;
    return rewriteFile(files, path, [&](QIODevice& current, QIODevice& replacement) {
        bool found = false;
        const Outcome outcome =
            copyRecords(current, replacement, [&](const Record& r, RecordSpanWriter& out) {
                if (r.position != chosen.position) {
                    out.write(r);
                    return true;
                }
                found = isChosen(r, chosen);
                if (found)
                    replace(r, out);
                return found;
            });
        return outcome == Outcome::Written && !found ? Outcome::Stale : outcome;
    });
}

} // namespace

BarcodeRecordFile::WriteResult BarcodeRecordFile::remove(const StoredRecord& chosen) {
    if (!exists())
        return {WriteOutcome::Stale, QString()};
    return rewriteChosen(files_, filePath(), chosen, [](const Record&, RecordSpanWriter&) {});
}

BarcodeRecordFile::WriteResult BarcodeRecordFile::change(const StoredRecord& chosen,
                                                         const RecordEntry& entry) {
    QString changed;
    for (int k = 0; k < BarcodeRecord::entryFieldCount; ++k)
        if (entry[std::size_t(k)] != chosen.record[k])
            changed += entry[std::size_t(k)];
    if (const QString characters = cp950::unencodableCharacters(changed); !characters.isEmpty())
        return {WriteOutcome::Refused, characters};
    if (!exists())
        return {WriteOutcome::Stale, QString()};
    return rewriteChosen(files_, filePath(), chosen, [&](const Record& r, RecordSpanWriter& out) {
        QByteArray line;
        for (int k = 0; k < BarcodeRecord::textFieldCount; ++k) {
            const bool replaced =
                k < BarcodeRecord::entryFieldCount && entry[std::size_t(k)] != chosen.record[k];
            appendQuoted(line, replaced ? QByteArrayView(cp950::encode(entry[std::size_t(k)]))
                                        : r.fields[std::size_t(k)]);
        }
        line += QByteArray::number(storedTail);
        line += "\r\n";
        out.write(line, true);
    });
}

BarcodeRecordFile::WriteResult BarcodeRecordFile::swap(const StoredRecord& a,
                                                       const StoredRecord& b) {
    if (a.position == b.position)
        return {};
    if (!exists())
        return {WriteOutcome::Stale, QString()};
    const StoredRecord& first = a.position < b.position ? a : b;
    const StoredRecord& second = a.position < b.position ? b : a;
    return rewriteFile(files_, filePath(), [&](QIODevice& current, QIODevice& replacement) {
        // The later record's bytes are needed where the earlier one stands: a first pass up to
        // it fetches them.
        QByteArray secondBytes;
        bool secondTerminated = false;
        {
            RecordScanner scanner(current, fieldsPerLine);
            for (;;) {
                const Status status = scanner.next();
                if (status == Status::Damaged)
                    return WriteOutcome::Damaged;
                if (status == Status::ReadError)
                    return WriteOutcome::Failed;
                if (status == Status::End)
                    return WriteOutcome::Stale;
                const Record& r = scanner.record();
                if (r.position == first.position && !isChosen(r, first))
                    return WriteOutcome::Stale;
                if (r.position == second.position) {
                    if (!isChosen(r, second))
                        return WriteOutcome::Stale;
                    secondBytes = r.bytes.toByteArray();
                    secondTerminated = r.bytes.size() > r.lastFieldEnd;
                    break;
                }
            }
        }
        if (!current.seek(0))
            return WriteOutcome::Failed;
        QByteArray firstBytes;
        bool firstTerminated = false;
        return copyRecords(current, replacement, [&](const Record& r, RecordSpanWriter& out) {
            if (r.position == first.position) {
                firstBytes = r.bytes.toByteArray();
                firstTerminated = r.bytes.size() > r.lastFieldEnd;
                out.write(secondBytes, secondTerminated);
            } else if (r.position == second.position) {
                out.write(firstBytes, firstTerminated);
            } else {
                out.write(r);
            }
            return true;
        });
    });
}

} // namespace brevmark
