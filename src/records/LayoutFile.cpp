#include "records/LayoutFile.h"

#include "common/LeadingNumber.h"
#include "platform/FileSystem.h"
#include "records/FormatRecordLines.h"

#include <QMap>
#include <cmath>

namespace brevmark {

int Layout::recordCount() const {
    int n = 0;
    for (const LayoutItem& item : items)
        n += int(item.records.size());
    return n;
}

LayoutFile::LayoutFile(FileSystem& files) : files_(files) {}

QString LayoutFile::positionText(QPointF position) {
    return singleText(float(position.x())) + QLatin1Char(' ') + singleText(float(position.y()));
}

std::optional<QPointF> LayoutFile::positionFrom(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(' '));
    if (parts.size() != 2)
        return std::nullopt;
    return QPointF(leadingNumber(parts.at(0)), leadingNumber(parts.at(1)));
}

QList<FormatRecord> LayoutFile::records(const Layout& layout) {
    QList<FormatRecord> all;
    int group = 0;
    for (const LayoutItem& item : layout.items) {
        ++group;
        const QString groupText = QString::number(group);
        const QString position = positionText(item.position.value_or(QPointF()));
        for (FormatRecord r : item.records) {
            r[0] = groupText;
            r[1] = position;
            all.append(std::move(r));
        }
    }
    return all;
}

std::optional<Layout> LayoutFile::fromRecords(const QList<FormatRecord>& records, QString* error) {
    // Groups are taken by the number value of field 1, lowest first; a record whose group is not
    // a whole number from 1 on belongs to no item.
    QMap<int, LayoutItem> groups;
    for (const FormatRecord& r : records) {
        const double value = leadingNumber(r[0]);
        if (value < 1 || value > 1e9 || value != std::floor(value))
            continue;
        LayoutItem& item = groups[int(value)];
        if (item.records.size() >= groupLimit) {
            if (error)
                *error = QStringLiteral("第 %1 組記錄超過 %2 筆").arg(int(value)).arg(groupLimit);
            return std::nullopt;
        }
        if (item.records.isEmpty())
            item.position = positionFrom(r[1]);
        item.records.append(r);
    }
    Layout layout;
    for (LayoutItem& item : groups) {
        if (item.position) {
            const QPointF stored = *item.position;
            const auto within = [](double v) {
                return v >= 0 ? qMin(v, largestPage) : 0.0; // NaN compares false: 0
            };
            item.position = QPointF(within(stored.x()), within(stored.y()));
            if (*item.position != stored)
                layout.movedItems.append(int(layout.items.size()) + 1);
        }
        layout.items.append(std::move(item));
    }
    return layout;
}

std::optional<Layout> LayoutFile::read(const QString& path, int limit) {
    error_.clear();
    QString text;
    if (!files_.readText(path, &text, &error_))
        return std::nullopt;
    const std::optional<QList<FormatRecord>> all = FormatRecordLines::parse(text, &error_, limit);
    if (!all)
        return std::nullopt;
    return fromRecords(*all, &error_);
}

bool LayoutFile::write(const QString& path, const Layout& layout, int limit) {
    error_.clear();
    if (limit >= 0 && layout.recordCount() > limit) {
        error_ = QStringLiteral("記錄超過 %1 筆").arg(limit);
        return false;
    }
    return files_.replaceText(path, FormatRecordLines::serialise(records(layout)), &error_);
}

} // namespace brevmark
