#pragma once

#include "records/FormatRecord.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <optional>

namespace brevmark {

class FileSystem;

// One barcode item of a page layout: where it lay on the page and its format records (barcode
// record first, then its text labels and pictures).
struct LayoutItem {
    // Nothing when the stored position text does not hold exactly two parts.
    std::optional<QPointF> position;
    QList<FormatRecord> records;
};

// Every barcode item of a page, in the order they were saved.
struct Layout {
    QList<LayoutItem> items;
    // The items (numbered from 1 in this order) whose stored place lay beyond any page and was
    // moved onto it when the layout was read.
    QList<int> movedItems;
    int recordCount() const;
};

// A page layout file `<name>.wab` in the records folder. Its lines are format records
// (FormatRecordLines) whose first two fields carry the item instead of category and name: field 1
// is the item's group number (1 for the first item saved, 2 for the next …), field 2 its left and
// top on the page in twips, "left top"; fields 3 to 11 are F2 to F10.
class LayoutFile {
public:
    static QString extension() { return QStringLiteral(".wab"); }
    // A layout is saved with at most this many records, and every layout saved can be read again.
    static constexpr int recordLimit = 301;
    // More records than this in one group can only come from a damaged file.
    static constexpr int groupLimit = 255;
    // No page is larger than this in either direction (the long side of A4, the largest paper):
    // a stored place beyond it, before the page's corner, or not a number at all (a damaged file
    // can hold a place of forty digits) is moved to the nearest place within.
    static constexpr double largestPage = 16838;

    explicit LayoutFile(FileSystem& files);

    // The layout's items by ascending group number. The records keep their group and position
    // texts in F0 and F1, so a format applied from them names its item by them. Nothing, with
    // the reason in errorString(), when the file cannot be read, a line is damaged, or there are
    // more than `limit` records (any number for a negative limit) or more than groupLimit in a
    // group.
    std::optional<Layout> read(const QString& path, int limit = recordLimit);
    // Writes the layout from scratch in one atomic step. Nothing is written, and false comes back
    // with the reason in errorString(), when it holds more than `limit` records (negative: no
    // limit) or the file cannot be written.
    bool write(const QString& path, const Layout& layout, int limit = recordLimit);
    const QString& errorString() const { return error_; }

    // The file's records for a layout, and a layout of records read from a file.
    static QList<FormatRecord> records(const Layout& layout);
    static std::optional<Layout> fromRecords(const QList<FormatRecord>& records, QString* error);
    // "left top", each the shortest text of the single-precision value.
    static QString positionText(QPointF position);
    static std::optional<QPointF> positionFrom(const QString& text);

private:
    FileSystem& files_;
    QString error_;
};

} // namespace brevmark
