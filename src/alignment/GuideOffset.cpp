#include "alignment/GuideOffset.h"

#include "alignment/LabelTemplate.h"
#include "alignment/SheetFormat.h"
#include "common/LeadingNumber.h"
#include "common/Rounding.h"
#include "records/SettingsKeys.h"
#include "records/SettingsStore.h"

#include <QRegularExpression>
#include <QStringList>

namespace brevmark {

QString GuideOffset::key(int format) {
    return settings_keys::alignmentPrefix + QString::number(format);
}

QString GuideOffset::text(QPointF offset) {
    return singleText(float(offset.x())) + QLatin1Char(' ') + singleText(float(offset.y()));
}

QPointF GuideOffset::readValue(const SettingsStore& store, const QString& key, QPointF offset,
                               QPointF limit) {
    store.forEach(key, [&offset, limit](const QString& value) {
        const QStringList parts = value.split(QLatin1Char(' '));
        if (parts.size() != 2)
            return;
        // The handle stops at its limit and stores it, so that value must read back.
        const double x = leadingNumber(parts[0]);
        const double y = leadingNumber(parts[1]);
        if (x <= limit.x())
            offset.setX(roundHalfEven(x));
        if (y <= limit.y())
            offset.setY(roundHalfEven(y));
    });
    return offset;
}

QPointF GuideOffset::read(const SettingsStore& store, const SheetFormat& format) {
    return readValue(store, key(format.number), format.defaultOffset, QPointF(largest, largest));
}

QPointF GuideOffset::sheetDefault(const LabelTemplate& sheet) {
    const QPointF corner = sheet.guideArea().topLeft();
    return {roundHalfEven(corner.x()), roundHalfEven(corner.y())};
}

QPointF GuideOffset::sheetLargest(const LabelTemplate& sheet) {
    const QPointF start = sheetDefault(sheet);
    return {qMax(largest, start.x() + largest), qMax(largest, start.y() + largest)};
}

QPointF GuideOffset::readSheet(const SettingsStore& store, const LabelTemplate& sheet) {
    bool chosen = false;
    store.forEach(settings_keys::alignmentSheet, [&chosen, &sheet](const QString& value) {
        chosen = value.compare(storedName(sheet), Qt::CaseInsensitive) == 0;
    });
    if (!chosen)
        return sheetDefault(sheet);
    return readValue(store, settings_keys::alignmentSheetOffset, sheetDefault(sheet),
                     sheetLargest(sheet));
}

QString GuideOffset::storedName(const LabelTemplate& sheet) {
    static const QRegularExpression unfit(QStringLiteral("[\",\\r\\n]"));
    return sheet.name().remove(unfit).simplified();
}

} // namespace brevmark
