#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace brevmark {

// The records a format is merged with: a caption per column (the record fields' captions, or a
// CSV file's header), the column that holds the barcode, and the rows in file order. Every row
// has one cell per column.
struct MergeTable {
    struct Row {
        int source = 0; // where the row was read: a record number or a line, from 1
        QStringList cells;
    };

    QStringList captions;
    int barcodeColumn = 0;
    QList<Row> rows;
    // How a row is named in messages: "第 %1 筆記錄" or "第 %1 行".
    QString sourceName;

    // The first column of that caption (exact comparison).
    std::optional<int> columnOf(const QString& caption) const;
    QString whereIs(const Row& row) const { return sourceName.arg(row.source); }
    // The captions as a list for messages: 「a」、「b」.
    QString captionList() const;
};

} // namespace brevmark
