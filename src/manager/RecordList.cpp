#include "manager/RecordList.h"

#include <QSet>

namespace brevmark {

namespace {

void addDistinct(QStringList& list, QSet<QString>& seen, const QString& value) {
    if (value.isEmpty())
        return;
    const QString key = value.toCaseFolded();
    if (seen.contains(key))
        return;
    seen.insert(key);
    list.append(value);
}

} // namespace

void RecordList::setTables(QList<StoredRecord> loaded, QList<StoredRecord> display) {
    loaded_ = std::move(loaded);
    display_ = std::move(display);
}

void RecordList::clear() {
    loaded_.clear();
    display_.clear();
    lines_.clear();
    categories_.clear();
    names_.clear();
    noMatch_ = false;
}

void RecordList::build() {
    noMatch_ = false;
    lines_.clear();
    categories_.clear();
    names_.clear();
    QSet<QString> seenCategories;
    QSet<QString> seenNames;
    for (const StoredRecord& row : display_) {
        addDistinct(categories_, seenCategories, row.record[BarcodeRecord::Category]);
        addDistinct(names_, seenNames, row.record[BarcodeRecord::Name]);
    }
    if (display_.isEmpty())
        return;

    // Column widths over every row and the header; only listed fields have a header cell.
    // Cells are the shown texts, so that one long field widens no line beyond what it shows.
    std::array<int, fieldCount> width{};
    std::array<bool, fieldCount> listed{};
    for (int k = 0; k < fieldCount; ++k) {
        listed[std::size_t(k)] = isListed(k);
        if (listed[std::size_t(k)])
            width[std::size_t(k)] = byteWidth(shownText(captions_[std::size_t(k)]));
    }
    std::vector<std::array<QString, fieldCount>> cells(std::size_t(display_.size()));
    std::vector<std::array<int, fieldCount>> cellWidths(std::size_t(display_.size()));
    for (qsizetype r = 0; r < display_.size(); ++r)
        for (int k = 0; k < fieldCount; ++k)
            if (listed[std::size_t(k)]) {
                QString& cell = cells[std::size_t(r)][std::size_t(k)];
                cell = shownText(display_[r].record[k]);
                const int w = byteWidth(cell);
                cellWidths[std::size_t(r)][std::size_t(k)] = w;
                width[std::size_t(k)] = qMax(width[std::size_t(k)], w);
            }
    int lineWidth = 0;
    for (int k = 0; k < fieldCount; ++k)
        if (listed[std::size_t(k)])
            lineWidth += width[std::size_t(k)] + 2;

    auto padded = [&](QString& line, const QString& cell, int cellWidth, int k) {
        line += cell;
        line += QString(width[std::size_t(k)] + 2 - cellWidth, QLatin1Char(' '));
    };
    lines_.reserve(display_.size() + 1);
    QString header;
    header.reserve(lineWidth);
    for (int k = 0; k < fieldCount; ++k)
        if (listed[std::size_t(k)])
            padded(header, shownText(captions_[std::size_t(k)]),
                   byteWidth(shownText(captions_[std::size_t(k)])), k);
    lines_.append(header);
    for (qsizetype r = display_.size() - 1; r >= 0; --r) {
        QString line;
        line.reserve(lineWidth);
        for (int k = 0; k < fieldCount; ++k)
            if (listed[std::size_t(k)])
                padded(line, cells[std::size_t(r)][std::size_t(k)],
                       cellWidths[std::size_t(r)][std::size_t(k)], k);
        lines_.append(line);
    }
}

void RecordList::filter(const RecordEntry& texts) {
    QList<StoredRecord> kept;
    kept.reserve(loaded_.size());
    for (const StoredRecord& row : loaded_)
        if (passesFilter(row.record, texts, lastField_))
            kept.append(row);
    display_ = std::move(kept);
    if (display_.isEmpty()) {
        lines_ = QStringList{noMatchLine()};
        categories_.clear();
        names_.clear();
        noMatch_ = true;
        return;
    }
    build();
}

std::optional<int> RecordList::displayRowOfLine(int line) const {
    if (noMatch_ || line < 1 || line >= lines_.size())
        return std::nullopt;
    return int(display_.size()) - line;
}

std::optional<StoredRecord> RecordList::recordOfLine(int line) const {
    const auto row = displayRowOfLine(line);
    if (!row)
        return std::nullopt;
    return display_.at(*row);
}

bool RecordList::canMoveUp(int line) const {
    return displayRowOfLine(line).has_value() && line >= 2;
}

bool RecordList::canMoveDown(int line) const {
    return displayRowOfLine(line).has_value() && line < lines_.size() - 1;
}

void RecordList::swapLines(int lineA, int lineB) {
    const auto a = displayRowOfLine(lineA);
    const auto b = displayRowOfLine(lineB);
    if (!a || !b)
        return;
    StoredRecord& rowA = display_[*a];
    StoredRecord& rowB = display_[*b];
    for (StoredRecord& loaded : loaded_) {
        if (loaded.position == rowA.position) {
            loaded.record = rowB.record;
            loaded.fingerprint = rowB.fingerprint;
        } else if (loaded.position == rowB.position) {
            loaded.record = rowA.record;
            loaded.fingerprint = rowA.fingerprint;
        }
    }
    std::swap(rowA.record, rowB.record);
    std::swap(rowA.fingerprint, rowB.fingerprint);
    lines_.swapItemsAt(lineA, lineB);
}

std::optional<int> RecordList::lineOfBarcode(const QString& barcode) const {
    for (qsizetype r = 0; r < display_.size(); ++r)
        if (display_[r].record.barcode() == barcode)
            return int(display_.size() - r);
    return std::nullopt;
}

QString RecordList::exportText() const {
    const QString tab(QLatin1Char('\t'));
    const QString lineEnd = QStringLiteral("\r\n");
    auto line = [&](auto fieldText) {
        QString text;
        for (int k = 0; k < fieldCount; ++k)
            if (isListed(k)) {
                text += fieldText(k);
                if (k < fieldCount - 1)
                    text += tab;
            }
        return text + lineEnd;
    };
    QString text = line([this](int k) { return captions_[std::size_t(k)]; });
    for (qsizetype r = display_.size() - 1; r >= 0; --r)
        text += line([&](int k) { return display_[r].record[k]; });
    return text;
}

} // namespace brevmark
