#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace brevmark {

// The seven record fields the windows work with, numbered 0 to 6: barcode, category, name and
// custom 1 to 4.
using RecordEntry = std::array<QString, 7>;

// One barcode record of 條碼檔.zip: the seven record fields, then five reserved texts that every
// rewrite keeps as they are. The tail number of the line is not kept: readers discard it.
struct BarcodeRecord {
    static constexpr int entryFieldCount = 7;
    static constexpr int textFieldCount = 12;
    // A field longer than this many characters is held, shown and exported cut to them, followed
    // by cutMark; the file keeps it whole. It is as much as a one-line entry field holds.
    static constexpr int heldLength = 32766;
    static QChar cutMark() { return QChar(0x2026); } // …
    // Whether a text held from a record is a longer field cut.
    static bool isCut(const QString& held) {
        return held.size() == heldLength + 1 && held.endsWith(cutMark());
    }
    enum Field { Barcode = 0, Category = 1, Name = 2 };

    std::array<QString, textFieldCount> fields;

    QString& operator[](int f) { return fields[std::size_t(f)]; }
    const QString& operator[](int f) const { return fields[std::size_t(f)]; }
    const QString& barcode() const { return fields[Barcode]; }

    RecordEntry entry() const;
    // The reserved fields stay empty, as adding and importing write them.
    static BarcodeRecord fromEntry(const RecordEntry& entry);
    // Missing fields stay empty, fields past the twelfth are dropped.
    static BarcodeRecord fromList(const QStringList& fields);

    bool operator==(const BarcodeRecord&) const = default;
};

// A record with its position in the file: the number of records before it, as counted by the
// read that produced it, and a fingerprint of its stored bytes, by which a rewrite makes sure that
// the record at that position is still this one.
struct StoredRecord {
    int position = 0;
    BarcodeRecord record;
    std::size_t fingerprint = 0;

    bool operator==(const StoredRecord&) const = default;
};

} // namespace brevmark
