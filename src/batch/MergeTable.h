#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace brevmark {

class FileSystem;

// The records a format is merged with: a caption per column (the record fields' captions, or a
// CSV file's header), the column that holds the barcode, and the rows in file order. Every row
// has one cell per column. The rows of a CSV or TSV file are held; those of a barcode record file
// are read from the file one at a time whenever they are visited, so that a file of a million
// records is merged in the memory of one record.
struct MergeTable {
    struct Row {
        int source = 0; // where the row was read: a record number or a line, from 1
        QStringList cells;
    };

    QStringList captions;
    int barcodeColumn = 0;
    // The rows held (CSV and TSV).
    QList<Row> rows;
    // The record file whose records are the rows, when there is one.
    QString recordFile;
    const FileSystem* files = nullptr;
    // How a row is named in messages: "第 %1 筆記錄" or "第 %1 行".
    QString sourceName;

    // Every row in file order until `visit` returns false. False, with the reason, when the record
    // file cannot be read or is damaged.
    bool visitRows(const std::function<bool(const Row&)>& visit, QString* error) const;

    // The first column of that caption (exact comparison).
    std::optional<int> columnOf(const QString& caption) const;
    QString whereIs(const Row& row) const { return sourceName.arg(row.source); }
    // The captions as a list for messages: 「a」、「b」.
    QString captionList() const;
};

} // namespace brevmark
