#include "alignment/GuideOffset.h"

#include "alignment/SheetFormat.h"
#include "common/LeadingNumber.h"
#include "common/Rounding.h"
#include "records/SettingsKeys.h"
#include "records/SettingsStore.h"

#include <QStringList>

namespace brevmark {

QString GuideOffset::key(int format) {
    return settings_keys::alignmentPrefix + QString::number(format);
}

QString GuideOffset::text(QPointF offset) {
    return singleText(float(offset.x())) + QLatin1Char(' ') + singleText(float(offset.y()));
}

QPointF GuideOffset::read(const SettingsStore& store, const SheetFormat& format) {
    QPointF offset = format.defaultOffset;
    store.forEach(key(format.number), [&offset](const QString& value) {
        const QStringList parts = value.split(QLatin1Char(' '));
        if (parts.size() != 2)
            return;
        // The handle stops at `largest` and stores it, so that value must read back.
        const double x = leadingNumber(parts[0]);
        const double y = leadingNumber(parts[1]);
        if (x <= largest)
            offset.setX(roundHalfEven(x));
        if (y <= largest)
            offset.setY(roundHalfEven(y));
    });
    return offset;
}

} // namespace brevmark
