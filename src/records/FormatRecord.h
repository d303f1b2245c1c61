#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace brevmark {

// One record of the format memory, the barcode format file and the layout files: eleven texts F0
// to F10. F2 names the kind ("條碼" barcode, "標籤" text label, "圖片" picture); F0 and F1 are
// the barcode item's category and name whatever the kind.
struct FormatRecord {
    static constexpr int fieldCount = 11;
    static QString barcodeKind() { return QStringLiteral("條碼"); }
    static QString labelKind() { return QStringLiteral("標籤"); }
    static QString pictureKind() { return QStringLiteral("圖片"); }

    std::array<QString, fieldCount> fields;

    QString& operator[](int f) { return fields[std::size_t(f)]; }
    const QString& operator[](int f) const { return fields[std::size_t(f)]; }
    const QString& kind() const { return fields[2]; }

    QStringList toList() const;
    // Missing fields stay empty; fields past F10 are dropped.
    static FormatRecord fromList(const QStringList& fields);

    bool operator==(const FormatRecord&) const = default;
};

} // namespace brevmark
