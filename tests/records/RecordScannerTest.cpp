// The record files are read from their bytes a piece at a time (RecordScanner), but must read as
// they always read: the decoded text through the field reader (QuotedFieldReader). For hand-made
// damaged files and for thousands of random ones, read in pieces of every size, both readers
// must agree on whether the file is damaged, on its records and on their fields.
#include "records/RecordScanner.h"
#include "common/Cp950.h"
#include "records/QuotedFieldReader.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace brevmark;

namespace {

struct Reading {
    bool damaged = false;
    QList<QStringList> records;
};

// The file as the program has always read it: the whole text decoded, then fields in order.
Reading throughText(const QByteArray& bytes, int fieldsPerRecord) {
    Reading r;
    QuotedFieldReader reader(cp950::decode(bytes));
    while (!reader.atEnd()) {
        QStringList fields;
        for (int k = 0; k < fieldsPerRecord; ++k) {
            const std::optional<QString> field = reader.next();
            if (!field) {
                r.damaged = true;
                return r;
            }
            fields << *field;
        }
        r.records << fields;
    }
    return r;
}

Reading throughBytes(QByteArray bytes, int fieldsPerRecord, qsizetype piece) {
    Reading r;
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    RecordScanner scanner(device, fieldsPerRecord, piece);
    cp950::FieldDecoder decoder;
    for (;;) {
        switch (scanner.next()) {
        case RecordScanner::Status::End:
            return r;
        case RecordScanner::Status::Damaged:
        case RecordScanner::Status::ReadError:
            r.damaged = true;
            return r;
        case RecordScanner::Status::Record: {
            QStringList fields;
            for (QByteArrayView f : scanner.record().fields)
                fields << decoder.decode(f);
            r.records << fields;
            break;
        }
        }
    }
}

// Both readings agree. The last field of a file that ends without a line end is the only one
// allowed to differ, by a lead byte left alone at the very end: the whole text drops it, a field
// on its own shows it as U+FFFD (the readers discard that field: it is the tail number).
void expectSameReading(const QByteArray& bytes, int fieldsPerRecord, const std::string& name) {
    const Reading text = throughText(bytes, fieldsPerRecord);
    for (const qsizetype piece : {qsizetype(1), qsizetype(3), qsizetype(7), qsizetype(1 << 20)}) {
        const Reading scanned = throughBytes(bytes, fieldsPerRecord, piece);
        ASSERT_EQ(scanned.damaged, text.damaged) << name << " piece " << piece;
        if (text.damaged)
            continue;
        ASSERT_EQ(scanned.records.size(), text.records.size()) << name << " piece " << piece;
        for (qsizetype i = 0; i < text.records.size(); ++i) {
            QStringList a = scanned.records[i];
            QStringList b = text.records[i];
            if (i == text.records.size() - 1) {
                a.removeLast();
                b.removeLast();
            }
            ASSERT_EQ(a, b) << name << " piece " << piece << " record " << i;
        }
    }
}

QByteArray line(const QList<QByteArray>& fields, const QByteArray& end = "\r\n") {
    QByteArray l;
    for (const QByteArray& f : fields)
        l += (l.isEmpty() ? "" : ",") + f;
    return l + end;
}

} // namespace

TEST(RecordScanner, ReadsDamagedFilesAsTheTextReaderDoes) {
    const QByteArray good = line({"\"A\"", "\"\xAA\xF8\"", "1"});
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"empty", ""},
        {"two good records", good + good},
        {"no line end at the end", good + line({"\"B\"", "\"x\"", "1"}, "")},
        {"lone CR and lone LF line ends",
         line({"\"A\"", "\"b\"", "1"}, "\r") + line({"\"C\"", "\"d\"", "1"}, "\n")},
        {"lead byte alone after the last line end", good + "\xA4"},
        {"lead byte alone after a trailing comma", good.chopped(2) + ",\xA4"},
        {"two lead bytes after the last line end", good + "\xA4\xA4"},
        {"lead byte before a closing quote", line({"\"A\xA4\"", "\"b\"", "1"})},
        {"lead byte before a comma in a bare field", line({"A\xA4", "b", "1"})},
        {"lead byte then 0x80", line({"\"A\xA4\x80\"", "\"b\"", "1"})},
        {"trailing comma at the end", good.chopped(2) + ","},
        {"a blank line at the end", good + "\r\n"},
        {"spaces at the end", good + "   "},
        {"quote never closes", good + "\"A\",\"b"},
        {"text after a closing quote", line({"\"A\"x y", "\"b\"zz", "1"})},
        {"a bare field with a quote inside", line({"C\"x", "\"b\"", "1"})},
        {"a quoted comma", line({"\"A,B\"", "\"c\"", "1"})},
        {"spaces around fields", line({"  \"A\"  ", "  b  ", " 1 "})},
        {"four fields on one line", line({"\"A\"", "\"b\"", "1", "\"D\""}) + line({"\"e\"", "1"})},
        {"a record cut short", good + line({"\"A\""})},
        {"a long field", line({"\"" + QByteArray(5000, 'x') + "\"", "\"\"", "1"})},
    };
    for (const Case& c : cases)
        expectSameReading(c.bytes, 3, c.name);
}

TEST(RecordScanner, ReadsRandomFilesAsTheTextReaderDoes) {
    // Bytes that matter to the reader or the decoder, and a few that do not.
    const QByteArray alphabet("\",\r\n aZ1\xA4\xAA\xF8\xA1\x40\x7E\x80\xFF\xC6\x81");
    QRandomGenerator random(2025);
    for (int n = 0; n < 3000; ++n) {
        QByteArray bytes;
        const int length = random.bounded(0, 80);
        for (int i = 0; i < length; ++i)
            bytes += alphabet.at(random.bounded(int(alphabet.size())));
        expectSameReading(bytes, 1 + n % 3, "random " + std::to_string(n));
        if (::testing::Test::HasFatalFailure())
            return;
    }
}

TEST(RecordScanner, KeepsEachRecordsBytesAndWhereItsLastFieldEnds) {
    QByteArray bytes = line({"\"A\"", "1"}) + line({"\"B\"", "1"}, ",") + "\"C\",1";
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    RecordScanner scanner(device, 2, 4);
    QList<QByteArray> spans;
    QList<bool> terminated;
    while (scanner.next() == RecordScanner::Status::Record) {
        const RecordScanner::Record& r = scanner.record();
        spans << r.bytes.toByteArray();
        terminated << (r.bytes.size() > r.lastFieldEnd);
    }
    EXPECT_EQ(spans, (QList<QByteArray>{"\"A\",1\r\n", "\"B\",1,", "\"C\",1"}));
    EXPECT_EQ(terminated, (QList<bool>{true, true, false}));
    EXPECT_EQ(spans.join(), bytes);
}
